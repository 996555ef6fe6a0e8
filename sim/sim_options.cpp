#include "sim/sim_options.h"

#include <cerrno>
#include <cstdlib>
#include <optional>

namespace sim {

namespace {

constexpr long kMaxPort = 65535;
constexpr long kMaxCommand = 65535;
constexpr long kMaxTriggerPeriodMs = 600000;
constexpr long kMaxDelayMs = 60000;
constexpr long kMaxReplyLength = 1024;
constexpr long kMaxCloseAfter = 1000000;
constexpr long kMinUnsolicitedMs = 10;
constexpr long kMaxUnsolicitedMs = 60000;
constexpr long kMaxRowOffset = 30;

using Value = std::optional<std::string>;
using Handler = bool (*)(SimConfig *, const Value &, std::string *why);

enum class Arg { None, Optional, Required };

struct OptionEntry {
    const char *name;
    Arg arg;
    Handler handle;
};

// Whole-string integer in [lo, hi]; decimal, or hex after "0x".
bool parseLong(const std::string &text, long lo, long hi, long *out)
{
    if (text.empty())
        return false;
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char *start = text.c_str() + (hex ? 2 : 0);
    char *end = nullptr;
    errno = 0;
    long v = std::strtol(start, &end, hex ? 16 : 10);
    if (errno != 0 || end == start || *end != '\0' || v < lo || v > hi)
        return false;
    *out = v;
    return true;
}

// Splits "X@CMD" into X and the command scope; no '@' leaves the scope open.
bool splitScope(const std::string &text, std::string *head, FaultScope *scope)
{
    scope->on = true;
    scope->command = kAllCommands;
    std::size_t at = text.find('@');
    *head = text.substr(0, at);
    if (at == std::string::npos)
        return true;
    long cmd = 0;
    if (!parseLong(text.substr(at + 1), 0, kMaxCommand, &cmd))
        return false;
    scope->command = static_cast<int>(cmd);
    return true;
}

// "--opt" or "--opt=CMD": switches scope on, for all commands or one.
bool setScope(FaultScope *scope, const Value &v)
{
    scope->on = true;
    scope->command = kAllCommands;
    if (!v)
        return true;
    long cmd = 0;
    if (!parseLong(*v, 0, kMaxCommand, &cmd))
        return false;
    scope->command = static_cast<int>(cmd);
    return true;
}

bool onTcp(SimConfig *c, const Value &v, std::string *why)
{
    std::size_t colon = v->rfind(':');
    long port = 0;
    if (colon == std::string::npos || colon == 0 ||
        !parseLong(v->substr(colon + 1), 0, kMaxPort, &port)) {
        *why = "expected ADDRESS:PORT";
        return false;
    }
    c->tcp = true;
    c->tcpHost = v->substr(0, colon);
    c->tcpPort = static_cast<uint16_t>(port);
    return true;
}

bool onPty(SimConfig *c, const Value &, std::string *)
{
    c->pty = true;
    return true;
}

bool onPaced(SimConfig *c, const Value &, std::string *)
{
    c->paced = true;
    return true;
}

bool onEeprom(SimConfig *c, const Value &v, std::string *why)
{
    c->eepromPath = *v;
    *why = "expected a file name";
    return !v->empty();
}

bool onId(SimConfig *c, const Value &v, std::string *)
{
    c->idText = *v;
    return true;
}

bool onLogFrames(SimConfig *c, const Value &v, std::string *)
{
    c->logFrames = true;
    c->logPath = v.value_or("");
    return true;
}

bool onTriggerPeriod(SimConfig *c, const Value &v, std::string *why)
{
    long ms = 0;
    *why = "expected milliseconds, 10 to 600000";
    if (!parseLong(*v, kMinTriggerPeriodMs, kMaxTriggerPeriodMs, &ms))
        return false;
    c->triggerPeriodMs = static_cast<int>(ms);
    return true;
}

bool onTarget(SimConfig *c, const Value &v, std::string *why)
{
    *why = "expected L,C,R intensities, 0 to 4095 each";
    std::size_t a = v->find(',');
    std::size_t b = a == std::string::npos ? a : v->find(',', a + 1);
    if (b == std::string::npos)
        return false;
    long l = 0, m = 0, r = 0;
    if (!parseLong(v->substr(0, a), 0, kIntensityMax, &l) ||
        !parseLong(v->substr(a + 1, b - a - 1), 0, kIntensityMax, &m) ||
        !parseLong(v->substr(b + 1), 0, kIntensityMax, &r))
        return false;
    c->fixedTarget = Intensities{uint16_t(l), uint16_t(m), uint16_t(r)};
    return true;
}

bool onNoReply(SimConfig *c, const Value &v, std::string *why)
{
    *why = "expected a command code";
    return setScope(&c->faults.noReply, v);
}

bool onShortReply(SimConfig *c, const Value &v, std::string *why)
{
    *why = "expected a command code";
    c->faults.replyBytes = kShortReplyBytes;
    return setScope(&c->faults.replyLength, v);
}

bool onLongReply(SimConfig *c, const Value &v, std::string *why)
{
    *why = "expected a command code";
    c->faults.replyBytes = kLongReplyBytes;
    return setScope(&c->faults.replyLength, v);
}

bool onReplyLength(SimConfig *c, const Value &v, std::string *why)
{
    *why = "expected BYTES[@CMD], bytes 0 to 1024";
    std::string head;
    long n = 0;
    if (!splitScope(*v, &head, &c->faults.replyLength) || !parseLong(head, 0, kMaxReplyLength, &n))
        return false;
    c->faults.replyBytes = static_cast<int>(n);
    return true;
}

bool onWrongMarker(SimConfig *c, const Value &v, std::string *why)
{
    *why = "expected a command code";
    return setScope(&c->faults.wrongMarker, v);
}

bool onWrongMarkerOnce(SimConfig *c, const Value &v, std::string *why)
{
    *why = "expected a command code";
    c->faults.wrongMarkerReplies = 1;
    return setScope(&c->faults.wrongMarker, v);
}

// FIRST[-LAST][:VALUE][@CMD]; VALUE is a byte or "inv" (bits inverted).
bool onWrongEcho(SimConfig *c, const Value &v, std::string *why)
{
    FaultConfig &f = c->faults;
    f.wrongEcho = {true, kAllCommands};
    f.echoFirst = f.echoLast = kEchoByteDefault;
    f.echoValue = kEchoValueDefault;
    if (!v)
        return true;
    *why = "expected FIRST[-LAST][:VALUE|inv][@CMD], bytes 0 to 35";
    std::string sel;
    if (!splitScope(*v, &sel, &f.wrongEcho))
        return false;
    std::size_t colon = sel.find(':');
    std::string range = sel.substr(0, colon);
    if (colon != std::string::npos) {
        std::string value = sel.substr(colon + 1);
        long byte = 0;
        if (value == "inv")
            f.echoValue = kEchoInvert;
        else if (parseLong(value, 0, 255, &byte))
            f.echoValue = static_cast<int>(byte);
        else
            return false;
    }
    std::size_t dash = range.find('-');
    long first = 0, last = 0;
    if (!parseLong(range.substr(0, dash), 0, kFrameBytes - 1, &first))
        return false;
    last = first;
    if (dash != std::string::npos && !parseLong(range.substr(dash + 1), first, kFrameBytes - 1, &last))
        return false;
    f.echoFirst = static_cast<int>(first);
    f.echoLast = static_cast<int>(last);
    return true;
}

bool onLateEcho(SimConfig *c, const Value &v, std::string *why)
{
    *why = "expected a command code";
    return setScope(&c->faults.lateEcho, v);
}

bool onRowOffset(SimConfig *c, const Value &v, std::string *why)
{
    long n = 0;
    *why = "expected a row offset, -30 to 30";
    if (!parseLong(*v, -kMaxRowOffset, kMaxRowOffset, &n))
        return false;
    c->faults.rowOffset = static_cast<int>(n);
    return true;
}

bool onDelay(SimConfig *c, const Value &v, std::string *why)
{
    *why = "expected MS[@CMD], 0 to 60000 ms";
    std::string head;
    long ms = 0;
    if (!splitScope(*v, &head, &c->faults.delay) || !parseLong(head, 0, kMaxDelayMs, &ms))
        return false;
    c->faults.delayMs = static_cast<int>(ms);
    return true;
}

bool onCloseAfter(SimConfig *c, const Value &v, std::string *why)
{
    long n = 0;
    *why = "expected a frame count, 1 or more";
    if (!parseLong(*v, 1, kMaxCloseAfter, &n))
        return false;
    c->faults.closeAfterFrames = static_cast<int>(n);
    return true;
}

bool onUnsolicited(SimConfig *c, const Value &v, std::string *why)
{
    long ms = kUnsolicitedDefaultMs;
    *why = "expected milliseconds, 10 to 60000";
    if (v && !parseLong(*v, kMinUnsolicitedMs, kMaxUnsolicitedMs, &ms))
        return false;
    c->faults.unsolicitedMs = static_cast<int>(ms);
    return true;
}

const OptionEntry kOptions[] = {
    {"tcp", Arg::Required, onTcp},
    {"pty", Arg::None, onPty},
    {"paced", Arg::None, onPaced},
    {"eeprom", Arg::Required, onEeprom},
    {"id", Arg::Required, onId},
    {"log-frames", Arg::Optional, onLogFrames},
    {"trigger-period", Arg::Required, onTriggerPeriod},
    {"target", Arg::Required, onTarget},
    {"no-reply", Arg::Optional, onNoReply},
    {"short-reply", Arg::Optional, onShortReply},
    {"long-reply", Arg::Optional, onLongReply},
    {"reply-length", Arg::Required, onReplyLength},
    {"wrong-marker", Arg::Optional, onWrongMarker},
    {"wrong-marker-once", Arg::Optional, onWrongMarkerOnce},
    {"wrong-echo", Arg::Optional, onWrongEcho},
    {"row-offset", Arg::Required, onRowOffset},
    {"late-echo", Arg::Optional, onLateEcho},
    {"delay", Arg::Required, onDelay},
    {"close-after", Arg::Required, onCloseAfter},
    {"unsolicited", Arg::Optional, onUnsolicited},
};

const OptionEntry *findOption(const std::string &name)
{
    for (const OptionEntry &entry : kOptions)
        if (name == entry.name)
            return &entry;
    return nullptr;
}

} // namespace

ParseResult parseSimArgs(const std::vector<std::string> &args, SimConfig *config,
                         std::string *error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "-h" || arg == "--help")
            return ParseResult::Help;
        if (arg.rfind("--", 0) != 0) {
            *error = "unexpected argument '" + arg + "'";
            return ParseResult::Error;
        }
        std::size_t eq = arg.find('=');
        std::string name = arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
        Value value;
        if (eq != std::string::npos)
            value = arg.substr(eq + 1);
        const OptionEntry *entry = findOption(name);
        if (entry == nullptr) {
            *error = "unknown option '--" + name + "'";
            return ParseResult::Error;
        }
        if (entry->arg == Arg::None && value) {
            *error = "--" + name + " takes no value";
            return ParseResult::Error;
        }
        if (entry->arg == Arg::Required && !value) {
            if (i + 1 >= args.size()) {
                *error = "--" + name + " needs a value";
                return ParseResult::Error;
            }
            value = args[++i];
        }
        std::string why;
        if (!entry->handle(config, value, &why)) {
            *error = "--" + name + " '" + value.value_or("") + "': " + why;
            return ParseResult::Error;
        }
    }
    if (!config->tcp && !config->pty) {
        *error = "nothing to serve: give --tcp ADDRESS:PORT and/or --pty";
        return ParseResult::Error;
    }
    return ParseResult::Run;
}

std::string simUsage()
{
    return
        "Usage: orvelle-sensor-sim [options]\n"
        "Stands for the three-channel sensor on a TCP port and/or a pseudo-terminal.\n"
        "Runs until SIGINT or SIGTERM.\n"
        "\n"
        "Links:\n"
        "  --tcp ADDRESS:PORT      listen there (port 0 picks one); prints \"TCP ADDRESS:PORT\"\n"
        "  --pty                   open a pseudo-terminal; prints \"PTY /dev/pts/N\"\n"
        "  --paced                 send (and take in) bytes at 19200 baud 8N1 timing\n"
        "\n"
        "Sensor:\n"
        "  --eeprom FILE           EEPROM image (202 decimal words); created by command 6\n"
        "  --id TEXT               identification text (36 bytes, zero padded)\n"
        "  --trigger-period MS     period of the simulated trigger input IN0 (default 200)\n"
        "  --target L,C,R          fixed channel intensities instead of the passing target\n"
        "  --log-frames[=FILE]     hex log of every frame in and out (default stderr)\n"
        "\n"
        "Faults (CMD limits a fault to one command code):\n"
        "  --no-reply[=CMD]        answer nothing\n"
        "  --short-reply[=CMD]     send only the first 20 bytes of a reply\n"
        "  --long-reply[=CMD]      send 40-byte replies (4 zero bytes added)\n"
        "  --reply-length N[@CMD]  cut or pad replies to N bytes\n"
        "  --wrong-marker[=CMD]    replies begin with 0x00AB instead of 0x00AA\n"
        "  --wrong-marker-once[=CMD]  the same for the next reply only\n"
        "  --wrong-echo[=FIRST[-LAST][:VALUE|inv][@CMD]]\n"
        "                          change bytes of echoes (default byte 1 to 0x55)\n"
        "  --row-offset N          row replies carry row r+N\n"
        "  --late-echo[=CMD]       once, repeat the previous reply just before a reply\n"
        "  --delay MS[@CMD]        hold replies back MS milliseconds\n"
        "  --close-after N         close the link after N requests (answered)\n"
        "  --unsolicited[=MS]      extra data frames every MS ms while idle (default 300)\n"
        "\n"
        "  -h, --help              this text\n";
}

} // namespace sim
