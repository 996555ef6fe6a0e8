// Every control explains itself twice, in the same words: as a tooltip that
// blocks nothing and in the right-click popup. Every control has a name a
// screen reader or an automation tool can find it by.
#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QSlider>
#include <QToolTip>

#include "app/help_texts.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

class ControlHelp : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
    }
    static std::string Tooltip(int panel, int control)
    {
        char text[1024] = "";
        GetCtrlAttribute(panel, control, ATTR_TOOLTIP_TEXT, text, sizeof text);
        return text;
    }
    // Hovers over the widget (or a part of it) as the pointer does.
    static void Hover(QWidget *w)
    {
        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), w->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(w, &help);
    }
};

TEST_F(ControlHelp, EveryControlIsNamedAndItsTooltipIsTheTextOfItsRightClick)
{
    int helped = 0;
    for (int panel : {mainpanel, parapanel, ttpanel, datapanel, interfacepanel, recpanel,
                      graphpanel, colbigpanel}) {
        for (int id : uitest::CtrlIds(panel)) {
            QWidget *w = uitest::CtrlWidget(panel, id);
            QAccessibleInterface *access = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(access, nullptr);
            EXPECT_FALSE(access->text(QAccessible::Name).trimmed().isEmpty())
                << "panel " << panel << " control " << id;
            // The part that takes the keys (a slide's handle) is what a
            // screen reader announces; it bears the control's name.
            if (QWidget *part = w->focusProxy()) {
                EXPECT_EQ(QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name),
                          access->text(QAccessible::Name))
                    << "panel " << panel << " control " << id;
            }
            uitest::ClearPopupLog();
            uitest::InjectEvent(panel, id, EVENT_RIGHT_CLICK);
            const auto &shown = uitest::PopupLog();
            if (shown.empty()) {
                EXPECT_EQ(Tooltip(panel, id), "") << "panel " << panel << " control " << id;
                continue;
            }
            EXPECT_EQ(Tooltip(panel, id), shown.back().text)
                << "panel " << panel << " control " << id;
            ++helped;
        }
    }
    EXPECT_GE(helped, 70);  // the controls of the help table, those sharing a text each counted

    // Found by what the operator reads on the screen.
    QWidget *server = uitest::CtrlWidget(interfacepanel, INTERFACEP_StringIpAdress);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(server)->text(QAccessible::Name), "SERVER");
    QWidget *logo = uitest::CtrlWidget(mainpanel, MAINP_LogoBox);  // no caption: its name
    EXPECT_EQ(QAccessible::queryAccessibleInterface(logo)->text(QAccessible::Name), "Logo Box");
}

TEST_F(ControlHelp, HoveringShowsTheHelpTextWithoutAPopup)
{
    uitest::ClearPopupLog();
    Hover(uitest::CtrlWidget(mainpanel, MAINP_ButtonGo));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text().toStdString(), InfoButtonGo);

    // Over a part of a composite control the control's own text shows.
    QSlider *slider = uitest::CtrlWidget(parapanel, PARAP_SlidePower)->findChild<QSlider *>();
    ASSERT_NE(slider, nullptr);
    Hover(slider);
    EXPECT_EQ(QToolTip::text().toStdString(), InfoEditPower);
    EXPECT_TRUE(uitest::PopupLog().empty());
    QToolTip::hideText();
}

}  // namespace
