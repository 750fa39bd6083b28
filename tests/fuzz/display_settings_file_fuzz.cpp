// The display settings parser over arbitrary bytes: a file a person edited, another program wrote or a
// damaged disk left behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "monitor/display_settings_file.h"

namespace {

DisplaySettingsResult Parse(const std::string& text, DisplaySettings& settings) {
    return ParseDisplaySettings(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
                                settings);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    DisplaySettings settings;
    settings.linkMonitors = true; // must not survive a damaged file
    const DisplaySettingsResult result = ParseDisplaySettings(std::span(data, size), settings);
    if (result == DisplaySettingsResult::NotFound)
        std::abort(); // only the file access can say that
    if (result == DisplaySettingsResult::Damaged) {
        if (!(settings == DisplaySettings{}))
            std::abort();
        return 0;
    }

    // What was read is what the writer would store, and writing it gives a file that reads back the same.
    if (!(NormalizeDisplaySettings(settings) == settings))
        std::abort();
    const std::string written = WriteDisplaySettings(settings);
    DisplaySettings again;
    if (Parse(written, again) != DisplaySettingsResult::Ok || !(again == settings) ||
        WriteDisplaySettings(again) != written)
        std::abort();

    // Seeing a display keeps the limit and writes soundly from any loaded state.
    NoteDisplaySeen(settings, u"\\\\?\\DISPLAY#FUZZ", u"Fuzz");
    if (settings.displays.size() > kMaxRememberedDisplays || !FindDisplay(settings, u"\\\\?\\display#fuzz"))
        std::abort();
    if (Parse(WriteDisplaySettings(settings), again) != DisplaySettingsResult::Ok ||
        !FindDisplay(again, u"\\\\?\\DISPLAY#FUZZ"))
        std::abort();
    return 0;
}
