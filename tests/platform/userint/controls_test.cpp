// Control values and attributes written from code: no events, values in
// the control's own type, exact read-back, and error codes for what does
// not fit.
#include <QDoubleSpinBox>
#include <algorithm>
#include <cstdlib>
#include <QLabel>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>

#include "platform/graph/graph_widget.h"
#include "ui_fixture.h"

using namespace uifix;

using ControlValues = UiTest;
using ControlAttributes = UiTest;

TEST_F(ControlValues, WritingFromCodeRaisesNoEvent)
{
    SetCtrlVal(main_, C_TOGGLE, 1);
    SetCtrlVal(main_, C_WORD, 500);
    SetCtrlVal(main_, C_REAL, 2.5);
    SetCtrlVal(main_, C_RING, 2);
    SetCtrlVal(main_, C_SLIDE, 700.0);
    SetCtrlVal(main_, C_SWITCH, 1);
    SetCtrlVal(main_, C_STRING, "xyz");
    SetCtrlVal(main_, C_MSG, "msg");
    SetCtrlVal(main_, C_TEXTBOX, "more");
    SetCtrlVal(main_, C_BAR, 2000);
    SetTableCellVal(main_, C_TABLE, MakePoint(1, 1), 9);
    SetCtrlIndex(main_, C_RING, 0);
    InsertListItem(main_, C_LIST, 0, "a", "a");
    ResetTextBox(main_, C_TEXTBOX, "reset");
    EXPECT_TRUE(events().empty());
}

TEST_F(ControlValues, NumbersAreHeldInTheControlsType)
{
    unsigned short word = 0;
    ASSERT_EQ(GetCtrlVal(main_, C_WORD, &word), 0);
    EXPECT_EQ(word, 7);  // the initial value
    ASSERT_EQ(SetCtrlVal(main_, C_WORD, static_cast<unsigned short>(65535)), 0);
    GetCtrlVal(main_, C_WORD, &word);
    EXPECT_EQ(word, 65535);
    int asInt = 0;
    GetCtrlVal(main_, C_WORD, &asInt);
    EXPECT_EQ(asInt, 65535);
    // Out of the type's range is coerced; fractions become whole numbers.
    SetCtrlVal(main_, C_WORD, 70000);
    GetCtrlVal(main_, C_WORD, &asInt);
    EXPECT_EQ(asInt, 65535);
    SetCtrlVal(main_, C_WORD, -3);
    GetCtrlVal(main_, C_WORD, &asInt);
    EXPECT_EQ(asInt, 0);
    SetCtrlVal(main_, C_WORD, 12.6);
    double d = 0;
    GetCtrlVal(main_, C_WORD, &d);
    EXPECT_EQ(d, 13);
    EXPECT_EQ(static_cast<QDoubleSpinBox *>(uitest::CtrlWidget(main_, C_WORD))->text(), "13");

    // A double keeps its value exactly; the range (-10 .. 10) bounds the
    // operator's entries, not what code stores, and the box shows it whole.
    SetCtrlVal(main_, C_REAL, 3.14159);
    GetCtrlVal(main_, C_REAL, &d);
    EXPECT_EQ(d, 3.14159);
    EXPECT_EQ(static_cast<QDoubleSpinBox *>(uitest::CtrlWidget(main_, C_REAL))->text(), "3.14");
    SetCtrlVal(main_, C_REAL, 99.0);
    GetCtrlVal(main_, C_REAL, &d);
    EXPECT_EQ(d, 99);
    EXPECT_EQ(static_cast<QDoubleSpinBox *>(uitest::CtrlWidget(main_, C_REAL))->text(), "99.00");
    short s = 0;
    SetCtrlVal(main_, C_REAL, -7.0);
    GetCtrlVal(main_, C_REAL, &s);
    EXPECT_EQ(s, -7);
}

TEST_F(ControlValues, TextAndNumbersDoNotMix)
{
    char text[32];
    EXPECT_EQ(GetCtrlVal(main_, C_WORD, text), UIEBadValueType);
    EXPECT_EQ(SetCtrlVal(main_, C_WORD, "12"), UIEBadValueType);
    int n = 0;
    EXPECT_EQ(GetCtrlVal(main_, C_STRING, &n), UIEBadValueType);
    EXPECT_EQ(SetCtrlVal(main_, C_STRING, 5), UIEBadValueType);
    EXPECT_EQ(SetCtrlVal(main_, C_BUTTON, 1), UIEInvalidControlType);
    EXPECT_EQ(GetCtrlVal(main_, C_TABLE, &n), UIEInvalidControlType);
    EXPECT_EQ(GetCtrlVal(main_, C_GRAPH, text), UIEInvalidControlType);
    EXPECT_EQ(SetCtrlVal(main_, C_STRING, static_cast<const char *>(nullptr)), UIEBadValueType);
    EXPECT_EQ(GetCtrlVal(main_, C_WORD, static_cast<int *>(nullptr)), UIEBadValueType);
    EXPECT_EQ(GetCtrlVal(main_, C_STRING, text, 0), UIEBadValueType);
}

TEST_F(ControlValues, BadHandlesAndIdsAreRefused)
{
    int n = 0;
    EXPECT_EQ(SetCtrlVal(0, C_WORD, 1), UIEHandleInvalid);
    EXPECT_EQ(SetCtrlVal(-5, C_WORD, 1), UIEHandleInvalid);
    EXPECT_EQ(GetCtrlVal(main_, 999, &n), UIEInvalidControlId);
    EXPECT_EQ(GetCtrlVal(main_, 0, &n), UIEInvalidControlId);
    EXPECT_EQ(SetCtrlAttribute(main_, 999, ATTR_DIMMED, 1), UIEInvalidControlId);
    EXPECT_EQ(GetCtrlAttribute(12345, C_WORD, ATTR_DIMMED, &n), UIEHandleInvalid);
    EXPECT_EQ(InstallCtrlCallback(main_, 999, nullptr, nullptr), UIEInvalidControlId);
    EXPECT_EQ(SetActiveCtrl(main_, 999), UIEInvalidControlId);
    EXPECT_EQ(GetActiveCtrl(999), UIEHandleInvalid);
    EXPECT_EQ(DiscardCtrl(main_, 999), UIEInvalidControlId);
    EXPECT_EQ(uitest::InjectEvent(999, 1, EVENT_COMMIT), 0);
}

TEST_F(ControlValues, StringsAreBoundedAndTextBoxesAppend)
{
    ASSERT_EQ(SetCtrlVal(main_, C_STRING, "192.168.0.1:99"), 0);
    char text[32];
    GetCtrlVal(main_, C_STRING, text);
    EXPECT_STREQ(text, "192.168.0.");  // the 10-character entry limit
    char small[4];
    ASSERT_EQ(GetCtrlVal(main_, C_STRING, small), 0);
    EXPECT_STREQ(small, "192");
    // A multi-byte character is never cut in half.
    SetCtrlVal(main_, C_STRING, "a\xC3\xA4");
    ASSERT_EQ(GetCtrlVal(main_, C_STRING, small, 3), 0);
    EXPECT_STREQ(small, "a");

    SetCtrlVal(main_, C_TEXTBOX, "one\n");
    SetCtrlVal(main_, C_TEXTBOX, "two");
    SetCtrlVal(main_, C_TEXTBOX, " more\nthree\n");
    GetCtrlVal(main_, C_TEXTBOX, text);
    EXPECT_STREQ(text, "one\ntwo more\nthree\n");
    int lines = 0;
    ASSERT_EQ(GetNumTextBoxLines(main_, C_TEXTBOX, &lines), 0);
    EXPECT_EQ(lines, 3);
    ASSERT_EQ(GetTextBoxLine(main_, C_TEXTBOX, 1, text, sizeof text), 0);
    EXPECT_STREQ(text, "two more");
    EXPECT_EQ(GetTextBoxLine(main_, C_TEXTBOX, 3, text, sizeof text), UIEIndexOutOfRange);
    EXPECT_EQ(GetTextBoxLine(main_, C_TEXTBOX, -1, text, sizeof text), UIEIndexOutOfRange);
    ASSERT_EQ(ResetTextBox(main_, C_TEXTBOX, ""), 0);
    GetNumTextBoxLines(main_, C_TEXTBOX, &lines);
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(ResetTextBox(main_, C_STRING, ""), UIEInvalidControlType);

    SetCtrlVal(main_, C_MSG, "  spaced  ");
    GetCtrlVal(main_, C_MSG, text);
    EXPECT_STREQ(text, "  spaced  ");
}

TEST_F(ControlAttributes, SettableAttributesReadBackExactly)
{
    struct Case {
        int control, attribute, value;
    };
    const Case cases[] = {
        {C_BUTTON, ATTR_CMD_BUTTON_COLOR, 0xC0C0C0}, {C_BUTTON, ATTR_TEXT_COLOR, 0x123456},
        {C_MSG, ATTR_TEXT_BGCOLOR, VAL_TRANSPARENT}, {C_MSG, ATTR_TEXT_BGCOLOR, 0xFFFFFF},
        {C_DECO, ATTR_FRAME_COLOR, 0x0080FF},        {C_WORD, ATTR_LABEL_COLOR, 0x800000},
        {C_WORD, ATTR_DIMMED, 1},                    {C_WORD, ATTR_VISIBLE, 0},
        {C_WORD, ATTR_CTRL_MODE, VAL_INDICATOR},     {C_WORD, ATTR_TOP, 33},
        {C_WORD, ATTR_LEFT, 44},                     {C_WORD, ATTR_WIDTH, 55},
        {C_WORD, ATTR_HEIGHT, 25},                   {C_MSG, ATTR_TEXT_POINT_SIZE, 18},
        {C_MSG, ATTR_TEXT_BOLD, 1},                  {C_MSG, ATTR_TEXT_ITALIC, 1},
        {C_STRING, ATTR_MAX_ENTRY_LENGTH, 5},        {C_STRING, ATTR_MAX_ENTRY_LENGTH, -1},
        {C_BUTTON, ATTR_SHORTCUT_KEY, VAL_F11_VKEY}, {C_STRIP, ATTR_POINTS_PER_SCREEN, 101},
        {C_STRIP, ATTR_NUM_TRACES, 2},               {C_GRAPH, ATTR_NUM_CURSORS, 1},
        {C_LIST, ATTR_DATA_TYPE, VAL_STRING},        {C_WORD, ATTR_DATA_TYPE, VAL_INTEGER},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(SetCtrlAttribute(main_, c.control, c.attribute, c.value), 0)
            << c.control << "/" << c.attribute;
        int back = -99;
        ASSERT_EQ(GetCtrlAttribute(main_, c.control, c.attribute, &back), 0);
        EXPECT_EQ(back, c.value) << c.control << "/" << c.attribute;
    }
    EXPECT_TRUE(events().empty());
}

TEST_F(ControlAttributes, AttributesChangeTheRealWidget)
{
    QWidget *button = uitest::CtrlWidget(main_, C_BUTTON);
    SetCtrlAttribute(main_, C_BUTTON, ATTR_CMD_BUTTON_COLOR, 0x00FF00);
    QImage image = button->grab().toImage();
    QColor middle = image.pixelColor(image.width() / 2, image.height() * 3 / 4);
    EXPECT_GT(middle.green(), 200);
    EXPECT_LT(middle.red(), 60);

    SetCtrlAttribute(main_, C_WORD, ATTR_DIMMED, 1);
    EXPECT_FALSE(uitest::CtrlWidget(main_, C_WORD)->isEnabled());
    SetCtrlAttribute(main_, C_WORD, ATTR_VISIBLE, 0);
    EXPECT_TRUE(uitest::CtrlWidget(main_, C_WORD)->isHidden());
    SetCtrlAttribute(main_, C_STRING, ATTR_CTRL_MODE, VAL_INDICATOR);
    auto *edit = static_cast<QLineEdit *>(uitest::CtrlWidget(main_, C_STRING));
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_TRUE(edit->isEnabled());  // read-only, not greyed
    SetCtrlAttribute(main_, C_WORD, ATTR_LEFT, 200);
    EXPECT_EQ(uitest::CtrlWidget(main_, C_WORD)->x(), 200);
    SetCtrlAttribute(main_, C_MSG, ATTR_TEXT_POINT_SIZE, 20);
    EXPECT_EQ(uitest::CtrlWidget(main_, C_MSG)->font().pointSize(), 20);

    ASSERT_EQ(SetCtrlAttribute(main_, C_BUTTON, ATTR_LABEL_TEXT, "Stop"), 0);
    EXPECT_EQ(static_cast<QPushButton *>(button)->text(), "Stop");
    char label[16];
    GetCtrlAttribute(main_, C_BUTTON, ATTR_LABEL_TEXT, label, sizeof label);
    EXPECT_STREQ(label, "Stop");
    SetCtrlAttribute(main_, C_STRIP, ATTR_POINTS_PER_SCREEN, 50);
    EXPECT_EQ(static_cast<GraphWidget *>(uitest::CtrlWidget(main_, C_STRIP))->pointsPerScreen(),
              50);
}

// Pixels of the image close to colour c, and the rightmost column holding one.
static int PixelsNear(const QImage &image, QColor c, int *rightmost)
{
    int n = 0;
    *rightmost = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) +
                    std::abs(p.blue() - c.blue()) < 60) {
                ++n;
                *rightmost = std::max(*rightmost, x);
            }
        }
    return n;
}

// A numeric display draws its number right-aligned in its text colour on its
// background, and a new colour (the grey of a stale value) shows at once.
TEST_F(ControlAttributes, ADisplayDrawsItsNumberInItsColours)
{
    QWidget *show = uitest::CtrlWidget(main_, C_SHOW);
    SetCtrlVal(main_, C_SHOW, 8);
    SetCtrlAttribute(main_, C_SHOW, ATTR_TEXT_BGCOLOR, 0x0000FF);
    SetCtrlAttribute(main_, C_SHOW, ATTR_TEXT_COLOR, 0xFF0000);
    int right = 0;
    QImage image = show->grab().toImage();
    const int red8 = PixelsNear(image, Qt::red, &right);
    EXPECT_GT(red8, 0);
    EXPECT_GT(right, image.width() * 3 / 4) << "the number stands at the right";
    EXPECT_GT(PixelsNear(image, Qt::blue, &right), image.width() * image.height() / 2);
    SetCtrlVal(main_, C_SHOW, 88888);
    EXPECT_GT(PixelsNear(show->grab().toImage(), Qt::red, &right), 4 * red8);

    SetCtrlAttribute(main_, C_SHOW, ATTR_TEXT_COLOR, 0x00FF00);
    image = show->grab().toImage();
    EXPECT_GT(PixelsNear(image, Qt::green, &right), 4 * red8);
    EXPECT_EQ(PixelsNear(image, Qt::red, &right), 0);
}

TEST_F(ControlAttributes, OtherValueTypesRoundTrip)
{
    SetCtrlVal(main_, C_REAL, 8.0);
    ASSERT_EQ(SetCtrlAttribute(main_, C_REAL, ATTR_MAX_VALUE, 5.5), 0);
    double max = 0;
    GetCtrlAttribute(main_, C_REAL, ATTR_MAX_VALUE, &max);
    EXPECT_EQ(max, 5.5);
    double v = 0;
    GetCtrlVal(main_, C_REAL, &v);
    EXPECT_EQ(v, 5.5);  // a new range takes the value along

    ASSERT_EQ(SetCtrlAttribute(main_, C_MSG, ATTR_TEXT_FONT, "NoSuchFontAnywhere"), 0);
    char font[64];
    GetCtrlAttribute(main_, C_MSG, ATTR_TEXT_FONT, font, sizeof font);
    EXPECT_STREQ(font, "NoSuchFontAnywhere");
    int length = 0;
    GetCtrlAttribute(main_, C_MSG, ATTR_TEXT_FONT_NAME_LENGTH, &length);
    EXPECT_EQ(length, 18);

    int marker = 0;
    ASSERT_EQ(SetCtrlAttribute(main_, C_WORD, ATTR_CALLBACK_DATA, static_cast<void *>(&marker)), 0);
    void *data = nullptr;
    GetCtrlAttribute(main_, C_WORD, ATTR_CALLBACK_DATA, &data);
    EXPECT_EQ(data, &marker);
    CtrlCallbackPtr fn = nullptr;
    GetCtrlAttribute(main_, C_WORD, ATTR_CALLBACK_FUNCTION_POINTER, &fn);
    EXPECT_EQ(fn, FindCallback("tst_Ctrl"));
    ASSERT_EQ(SetCtrlAttribute(main_, C_WORD, ATTR_CALLBACK_FUNCTION_POINTER,
                               static_cast<CtrlCallbackPtr>(nullptr)),
              0);
    uitest::OperatorSetValue(main_, C_WORD, 3);
    EXPECT_TRUE(events().empty());

    int style = 0, rows = 0, cols = 0;
    GetCtrlAttribute(main_, C_TABLE, ATTR_CTRL_STYLE, &style);
    GetCtrlAttribute(main_, C_TABLE, ATTR_NUM_ROWS, &rows);
    GetCtrlAttribute(main_, C_TABLE, ATTR_NUM_COLUMNS, &cols);
    EXPECT_EQ(style, CTRL_TABLE);
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(cols, 3);
}

TEST_F(ControlAttributes, AttributesAControlDoesNotHaveAreRefused)
{
    int v = 0;
    EXPECT_EQ(SetCtrlAttribute(main_, C_WORD, ATTR_CMD_BUTTON_COLOR, 0), UIEInvalidAttribute);
    EXPECT_EQ(SetCtrlAttribute(main_, C_WORD, ATTR_MAX_ENTRY_LENGTH, 4), UIEInvalidAttribute);
    EXPECT_EQ(GetCtrlAttribute(main_, C_BUTTON, ATTR_NUM_ROWS, &v), UIEInvalidAttribute);
    EXPECT_EQ(SetCtrlAttribute(main_, C_TABLE, ATTR_NUM_ROWS, 3), UIEInvalidAttribute);
    EXPECT_EQ(SetCtrlAttribute(main_, C_WORD, ATTR_TITLE, "x"), UIEInvalidAttribute);
    EXPECT_EQ(SetCtrlAttribute(main_, C_WORD, 9999, 1), UIEInvalidAttribute);
    EXPECT_EQ(GetCtrlAttribute(main_, C_GRAPH, ATTR_POINTS_PER_SCREEN, &v), UIEInvalidAttribute);
    EXPECT_EQ(SetCtrlAttribute(main_, C_WORD, ATTR_DIMMED, "yes"), UIEBadValueType);
    EXPECT_EQ(SetCtrlAttribute(main_, C_WORD, ATTR_CTRL_MODE, 7), UIEBadValueType);
    EXPECT_EQ(SetCtrlAttribute(main_, C_WORD, ATTR_DATA_TYPE, VAL_STRING), UIEBadValueType);
}

TEST_F(ControlAttributes, TabAndStackingPositionsMoveTheOthers)
{
    int pos = -1;
    GetCtrlAttribute(main_, C_STRING, ATTR_CTRL_TAB_POSITION, &pos);
    EXPECT_EQ(pos, C_STRING - 1);
    // The list button takes the text field's place; the field moves behind it.
    ASSERT_EQ(SetCtrlAttribute(main_, C_LIST, ATTR_CTRL_TAB_POSITION, pos), 0);
    int listPos = -1, stringPos = -1;
    GetCtrlAttribute(main_, C_LIST, ATTR_CTRL_TAB_POSITION, &listPos);
    GetCtrlAttribute(main_, C_STRING, ATTR_CTRL_TAB_POSITION, &stringPos);
    EXPECT_EQ(listPos, C_STRING - 1);
    EXPECT_EQ(stringPos, C_STRING);
    // Tab goes from the list button to the text field.
    QWidget *list = uitest::CtrlWidget(main_, C_LIST);
    QWidget *next = list->nextInFocusChain();
    while (next && next != list && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, uitest::CtrlWidget(main_, C_STRING));
    // Walking the panel from its first control follows the tab order.
    std::vector<int> walk;
    int id = 0;
    GetPanelAttribute(main_, ATTR_PANEL_FIRST_CTRL, &id);
    for (; id > 0 && walk.size() <= C_COUNT; GetCtrlAttribute(main_, id, ATTR_NEXT_CTRL, &id))
        walk.push_back(id);
    ASSERT_EQ(walk.size(), static_cast<std::size_t>(C_COUNT));
    EXPECT_EQ(walk[C_STRING - 1], C_LIST);
    EXPECT_EQ(walk[C_STRING], C_STRING);
    EXPECT_EQ(SetCtrlAttribute(main_, C_LIST, ATTR_NEXT_CTRL, 1), UIEInvalidAttribute);

    ASSERT_EQ(SetCtrlAttribute(main_, C_DECO, ATTR_ZPLANE_POSITION, 0), 0);
    int z = -1;
    GetCtrlAttribute(main_, C_DECO, ATTR_ZPLANE_POSITION, &z);
    EXPECT_EQ(z, 0);
    QWidget *panel = uitest::PanelWidget(main_);
    EXPECT_EQ(panel->childAt(QPoint(60, 510)), uitest::CtrlWidget(main_, C_DECO));
}

TEST_F(ControlAttributes, NewAndDiscardedControls)
{
    int msg = NewCtrl(main_, CTRL_TEXT_MSG, "", 505, 20);
    ASSERT_GT(msg, C_COUNT);
    SetCtrlAttribute(main_, msg, ATTR_TEXT_COLOR, 0xFFFFFF);
    SetCtrlAttribute(main_, msg, ATTR_TEXT_BGCOLOR, VAL_TRANSPARENT);
    SetCtrlAttribute(main_, msg, ATTR_TEXT_POINT_SIZE, 12);
    SetCtrlVal(main_, msg, "ORVELLE V3.1");
    QWidget *w = uitest::CtrlWidget(main_, msg);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pos(), QPoint(20, 505));
    EXPECT_GT(w->width(), 40);  // fits its text
    // In front of the decoration it was drawn on.
    EXPECT_EQ(uitest::PanelWidget(main_)->childAt(w->geometry().center()), w);
    int count = 0;
    GetPanelAttribute(main_, ATTR_NUM_CTRLS, &count);
    EXPECT_EQ(count, C_COUNT + 1);

    int deco = NewCtrl(main_, CTRL_DECORATION, "", 10, 10);
    int list = NewCtrl(main_, CTRL_LIST_BUTTON, "", 10, 10);
    ASSERT_GT(deco, msg);
    ASSERT_GT(list, deco);
    EXPECT_EQ(NewCtrl(main_, 99, "", 0, 0), UIEInvalidControlType);
    EXPECT_EQ(NewCtrl(4242, CTRL_TEXT_MSG, "", 0, 0), UIEHandleInvalid);

    ASSERT_EQ(DiscardCtrl(main_, msg), 0);
    EXPECT_EQ(uitest::CtrlWidget(main_, msg), nullptr);
    EXPECT_EQ(SetCtrlVal(main_, msg, "gone"), UIEInvalidControlId);
    EXPECT_EQ(DiscardCtrl(main_, msg), UIEInvalidControlId);
}

TEST_F(ControlValues, PictureShowsAnImageFileFittedIntoTheControl)
{
    QTemporaryDir dir;
    QImage big(240, 80, QImage::Format_RGB32);
    big.fill(QColor(0xFF, 0x80, 0x00));
    QString file = dir.filePath("logo.png");
    ASSERT_TRUE(big.save(file));
    ASSERT_EQ(DisplayImageFile(main_, C_PICTURE, file.toUtf8().constData()), 0);
    auto *label = static_cast<QLabel *>(uitest::CtrlWidget(main_, C_PICTURE));
    QPixmap shown = label->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_LE(shown.width(), 60);   // the control is 60 x 40
    EXPECT_EQ(shown.width(), 3 * shown.height());
    EXPECT_EQ(shown.toImage().pixelColor(5, 5), QColor(0xFF, 0x80, 0x00));

    EXPECT_EQ(DisplayImageFile(main_, C_PICTURE, dir.filePath("none.bmp").toUtf8().constData()),
              UIEResourceNotFound);
    EXPECT_TRUE(label->pixmap().isNull());
    EXPECT_EQ(DisplayImageFile(main_, C_PICTURE, nullptr), UIEResourceNotFound);
    EXPECT_EQ(DisplayImageFile(main_, C_MSG, file.toUtf8().constData()), UIEInvalidControlType);
}

TEST_F(ControlAttributes, TextSelectionOfAStringControl)
{
    SetCtrlVal(main_, C_STRING, "alpha");
    ASSERT_EQ(SetCtrlAttribute(main_, C_STRING, ATTR_TEXT_SELECTION_START, 2), 0);
    ASSERT_EQ(SetCtrlAttribute(main_, C_STRING, ATTR_TEXT_SELECTION_LENGTH, 3), 0);
    auto *edit = static_cast<QLineEdit *>(uitest::CtrlWidget(main_, C_STRING));
    EXPECT_EQ(edit->selectedText(), "pha");
    int start = -1, length = -1;
    GetCtrlAttribute(main_, C_STRING, ATTR_TEXT_SELECTION_START, &start);
    GetCtrlAttribute(main_, C_STRING, ATTR_TEXT_SELECTION_LENGTH, &length);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(length, 3);
    // Beyond the text is cut to the text.
    SetCtrlAttribute(main_, C_STRING, ATTR_TEXT_SELECTION_LENGTH, 50);
    GetCtrlAttribute(main_, C_STRING, ATTR_TEXT_SELECTION_LENGTH, &length);
    EXPECT_EQ(length, 3);
    SetCtrlAttribute(main_, C_STRING, ATTR_TEXT_SELECTION_LENGTH, 0);
    GetCtrlAttribute(main_, C_STRING, ATTR_TEXT_SELECTION_START, &start);
    EXPECT_EQ(start, 2);
    EXPECT_FALSE(edit->hasSelectedText());
}

TEST_F(ControlAttributes, GraphsAreSetUpFromTheirDescription)
{
    auto *graph = dynamic_cast<GraphWidget *>(uitest::CtrlWidget(main_, C_GRAPH));
    auto *strip = dynamic_cast<GraphWidget *>(uitest::CtrlWidget(main_, C_STRIP));
    ASSERT_NE(graph, nullptr);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(graph->mode(), GraphWidget::Mode::Graph);
    EXPECT_EQ(strip->mode(), GraphWidget::Mode::StripChart);
    int mode = -1;
    double min = -1, max = -1;
    graph->axisScaling(VAL_BOTTOM_XAXIS, &mode, &min, &max);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 1000);
    graph->axisScaling(VAL_LEFT_YAXIS, &mode, &min, &max);
    EXPECT_EQ(max, 100);
    strip->axisScaling(VAL_LEFT_YAXIS, &mode, &min, &max);
    EXPECT_EQ(max, 4096);
    int traces = 0, points = 0;
    GetCtrlAttribute(main_, C_STRIP, ATTR_NUM_TRACES, &traces);
    GetCtrlAttribute(main_, C_STRIP, ATTR_POINTS_PER_SCREEN, &points);
    EXPECT_EQ(traces, 3);
    EXPECT_EQ(points, 101);
    EXPECT_EQ(uitest::CtrlWidget(main_, C_GRAPH)->geometry(), QRect(10, 350, 200, 120));
}
