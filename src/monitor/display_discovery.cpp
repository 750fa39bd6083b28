#include "monitor/display_discovery.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::u16string_view kGdiDisplayPrefix = u"\\\\.\\DISPLAY";
constexpr std::u16string_view kFallbackNameWord = u"Display ";

char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// GDI device names are ASCII; both APIs spell them alike, but nothing promises the same case.
bool SameGdiName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
               return AsciiUpper(x) == AsciiUpper(y);
           });
}

std::u16string Decimal(int number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

int DisplayNumber(std::u16string_view gdiDeviceName) {
    if (gdiDeviceName.size() <= kGdiDisplayPrefix.size() ||
        !SameGdiName(gdiDeviceName.substr(0, kGdiDisplayPrefix.size()), kGdiDisplayPrefix))
        return 0;
    int number = 0;
    for (char16_t c : gdiDeviceName.substr(kGdiDisplayPrefix.size())) {
        if (c < u'0' || c > u'9' || number > 99999)
            return 0;
        number = number * 10 + (c - u'0');
    }
    return number;
}

std::u16string DisplayName(const std::vector<const DisplayPath*>& paths,
                           const std::vector<std::u16string>& physicalDescriptions,
                           std::u16string_view gdiDeviceName, int fallbackNumber) {
    for (const DisplayPath* path : paths)
        if (path->friendlyNameFromEdid && !path->friendlyName.empty())
            return path->friendlyName;
    if (!physicalDescriptions.empty() && !physicalDescriptions.front().empty())
        return physicalDescriptions.front();
    const int number = DisplayNumber(gdiDeviceName);
    return std::u16string(kFallbackNameWord) + Decimal(number != 0 ? number : fallbackNumber);
}

std::u16string EdidFriendlyName(const std::vector<DisplayPath>& paths, std::u16string_view gdiDeviceName) {
    for (const DisplayPath& path : paths)
        if (path.friendlyNameFromEdid && !path.friendlyName.empty() &&
            SameGdiName(path.gdiDeviceName, gdiDeviceName))
            return path.friendlyName;
    return {};
}

std::vector<DisplayIdentity> JoinDisplays(const std::vector<DisplayPath>& paths,
                                          const std::vector<DisplayMonitor>& monitors) {
    std::vector<DisplayIdentity> displays;
    displays.reserve(monitors.size());
    for (std::size_t m = 0; m < monitors.size(); ++m) {
        const DisplayMonitor& monitor = monitors[m];
        // Mirrored targets share their source's GDI name; they keep the order QueryDisplayConfig gave.
        std::vector<const DisplayPath*> own;
        for (const DisplayPath& path : paths)
            if (SameGdiName(path.gdiDeviceName, monitor.gdiDeviceName))
                own.push_back(&path);
        DisplayIdentity display;
        display.monitorId = monitor.monitorId;
        display.gdiDeviceName = monitor.gdiDeviceName;
        display.devicePath = own.empty() ? std::u16string() : own.front()->devicePath;
        display.name =
            DisplayName(own, monitor.physicalDescriptions, monitor.gdiDeviceName, static_cast<int>(m + 1));
        display.rect = monitor.rect;
        display.primary = monitor.primary;
        for (std::size_t i = 0; i < monitor.physicalDescriptions.size(); ++i)
            display.physicalMonitors.push_back(
                {i, monitor.physicalDescriptions[i], i < own.size() ? own[i]->devicePath : std::u16string()});
        displays.push_back(std::move(display));
    }
    OrderDisplays(displays);
    return displays;
}

void OrderDisplays(std::vector<DisplayIdentity>& displays) {
    std::stable_sort(displays.begin(), displays.end(),
                     [](const DisplayIdentity& a, const DisplayIdentity& b) {
                         if (a.rect.left != b.rect.left)
                             return a.rect.left < b.rect.left;
                         if (a.rect.top != b.rect.top)
                             return a.rect.top < b.rect.top;
                         return a.primary && !b.primary;
                     });
}
