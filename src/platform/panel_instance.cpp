#include "platform/panel_instance.h"

#include <algorithm>

namespace {

char16_t LowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() && EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The parts of "<enumerator>\<hardware id>\<instance id>": exactly three, none empty.
bool HasThreeParts(std::u16string_view instance) {
    const std::size_t first = instance.find(u'\\');
    if (first == 0 || first == std::u16string_view::npos)
        return false;
    const std::size_t second = instance.find(u'\\', first + 1);
    return second != std::u16string_view::npos && second > first + 1 && second + 1 < instance.size() &&
           instance.find(u'\\', second + 1) == std::u16string_view::npos;
}

// WBEM and RPC codes (wbemcli.h, winerror.h).
constexpr uint32_t kWbemNotFound = 0x80041002;
constexpr uint32_t kWbemNotSupported = 0x8004100C;
constexpr uint32_t kWbemInvalidNamespace = 0x8004100E;
constexpr uint32_t kWbemInvalidClass = 0x80041010;
constexpr uint32_t kWbemCallCancelled = 0x80041032;
constexpr uint32_t kWbemShuttingDown = 0x80041033;
constexpr uint32_t kClassNotRegistered = 0x80040154;
constexpr uint32_t kRpcServerUnavailable = 0x800706BA;
constexpr uint32_t kRpcDisconnected = 0x80010108;

} // namespace

std::u16string PanelDeviceInstance(std::u16string_view instanceName) {
    std::u16string_view name = instanceName;
    const std::size_t underscore = name.rfind(u'_');
    if (underscore != std::u16string_view::npos && underscore + 1 < name.size() &&
        std::all_of(name.begin() + underscore + 1, name.end(),
                    [](char16_t c) { return c >= u'0' && c <= u'9'; }))
        name = name.substr(0, underscore);
    return HasThreeParts(name) ? std::u16string(name) : std::u16string();
}

std::u16string DisplayDeviceInstance(std::u16string_view targetDevicePath) {
    std::u16string_view path = targetDevicePath;
    for (std::u16string_view prefix : {std::u16string_view(u"\\\\?\\"), std::u16string_view(u"\\\\.\\")})
        if (StartsWithIgnoringCase(path, prefix))
            path = path.substr(prefix.size());
    // The interface class ("#{e6f07b5f-...}") ends the path; the instance is what stands before it.
    const std::size_t interfaceClass = path.rfind(u"#{");
    if (interfaceClass != std::u16string_view::npos && path.back() == u'}')
        path = path.substr(0, interfaceClass);
    std::u16string instance(path);
    std::replace(instance.begin(), instance.end(), u'#', u'\\');
    return HasThreeParts(instance) ? instance : std::u16string();
}

bool PanelBelongsToDisplay(std::u16string_view instanceName, std::u16string_view targetDevicePath) {
    const std::u16string panel = PanelDeviceInstance(instanceName);
    return !panel.empty() && EqualIgnoringCase(panel, DisplayDeviceInstance(targetDevicePath));
}

std::u16string PanelObjectPath(std::u16string_view className, std::u16string_view instanceName) {
    std::u16string path(className);
    path += u".InstanceName=\"";
    for (char16_t c : instanceName) {
        if (c == u'\\' || c == u'"')
            path += u'\\';
        path += c;
    }
    path += u'"';
    return path;
}

PanelResult PanelResultFromWmi(uint32_t hresult) {
    if ((hresult & 0x80000000u) == 0)
        return PanelResult::Done;
    switch (hresult) {
    // After a resume WMI answers these for a while, and its service may still be coming back.
    case kWbemNotSupported:
    case kWbemCallCancelled:
    case kWbemShuttingDown:
    case kRpcServerUnavailable:
    case kRpcDisconnected:
        return PanelResult::TryLater;
    case kWbemNotFound:
    case kWbemInvalidNamespace:
    case kWbemInvalidClass:
    case kClassNotRegistered:
        return PanelResult::NoPanel;
    default:
        return PanelResult::Failed;
    }
}

std::optional<std::size_t> PanelOfDisplay(const std::vector<PanelBacklight>& panels,
                                          std::u16string_view targetDevicePath) {
    for (std::size_t i = 0; i < panels.size(); ++i)
        if (PanelBelongsToDisplay(panels[i].instanceName, targetDevicePath))
            return i;
    return std::nullopt;
}
