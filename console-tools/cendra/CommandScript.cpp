#include "console_tools/CommandScript.h"

#include "console_tools/ConsoleDevice.h"
#include "console_tools/ConsoleOutput.h"

namespace console_tools {

namespace {

void timeLine(StringConsole& text, const ScriptTime& t) {
    text.print("#Build Time:%5d/%02d/%02d-%02d:%02d\n", t.year, t.month, t.day, t.hour, t.minute);
}

void wordMsbFirst(StringConsole& text, std::uint32_t word) {
    for (int shift = 24; shift >= 0; shift -= 8)
        text.print("%02x ", static_cast<unsigned>((word >> shift) & 0xFF));
}

void wordLsbFirst(StringConsole& text, std::uint32_t word) {
    for (int shift = 0; shift <= 24; shift += 8)
        text.print("%02x ", static_cast<unsigned>((word >> shift) & 0xFF));
}

}  // namespace

std::string FormatScriptMsbFirst(const std::vector<WriteEntry>& entries,
                                 const std::vector<std::string>& comments, const ScriptTime& time) {
    StringConsole text;
    timeLine(text, time);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        text.print("88 %02x ", 0x0eu);
        wordMsbFirst(text, entries[i].address);
        wordMsbFirst(text, entries[i].data);
        wordMsbFirst(text, entries[i].mask);
        text.print("crc   #%s\n", comments[i].c_str());
    }
    if (entries.empty())
        text.print("#No data\n");
    else
        text.print("88 0e 80 00 00 01 00 00 00 00 00 00 00 00 crc\n");
    return text.text();
}

std::string FormatScriptLsbFirst(const std::vector<WriteEntry>& entries,
                                 const std::vector<std::string>& comments, int deviceType, int slave,
                                 const ScriptTime& time) {
    StringConsole text;
    timeLine(text, time);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (deviceType == DEV_USB_ZR8SLAVE)
            text.print("09 37 b0 00 09 %02x 88 00 ", static_cast<unsigned>(slave));
        else
            text.print("09 33 88 00 ");
        wordLsbFirst(text, entries[i].address);
        wordLsbFirst(text, entries[i].data);
        wordLsbFirst(text, entries[i].mask);
        text.print("   #%s\n", comments[i].c_str());
    }
    if (entries.empty())
        text.print("#No data\n");
    return text.text();
}

std::string FormatCommandScript(const std::vector<WriteEntry>& entries,
                                const std::vector<std::string>& comments, int deviceType, int slave,
                                const ScriptTime& time) {
    if (deviceType == DEV_Q40_USB_BRG)
        return FormatScriptMsbFirst(entries, comments, time);
    return FormatScriptLsbFirst(entries, comments, deviceType, slave, time);
}

}  // namespace console_tools
