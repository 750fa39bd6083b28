#include "platform/panel_backlight.h"

#include <objbase.h>
#include <oleauto.h>
#include <wbemcli.h>

#include <atomic>
#include <memory>
#include <utility>

#include "monitor/panel_levels.h"
#include "platform/system_library.h"

namespace {

// {4590F811-1D3A-11D0-891F-00AA004B2E24}
constexpr CLSID kWbemLocatorClass = {
    0x4590f811, 0x1d3a, 0x11d0, {0x89, 0x1f, 0x00, 0xaa, 0x00, 0x4b, 0x2e, 0x24}};
// How long one step of the result enumeration may take on the worker before it gives up.
constexpr long kNextWaitMs = 5000;
// WmiSetBrightness's Timeout, in seconds.
constexpr LONG kSetTimeoutSeconds = 1;

// COM and automation, looked up at run time: the program imports neither library.
struct ComFunctions {
    decltype(&CoInitializeEx) initialize = nullptr;
    decltype(&CoUninitialize) uninitialize = nullptr;
    decltype(&CoCreateInstance) createInstance = nullptr;
    decltype(&CoSetProxyBlanket) setProxyBlanket = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
    decltype(&SysFreeString) freeString = nullptr;
    decltype(&VariantClear) variantClear = nullptr;
    decltype(&SafeArrayGetLBound) arrayLowerBound = nullptr;
    decltype(&SafeArrayGetUBound) arrayUpperBound = nullptr;
    decltype(&SafeArrayAccessData) arrayAccess = nullptr;
    decltype(&SafeArrayUnaccessData) arrayUnaccess = nullptr;
    bool complete = false;
};

// Loaded once and kept for the process: workers that outlive their caller still use them.
const ComFunctions* LoadCom() {
    static const ComFunctions functions = [] {
        ComFunctions f;
        HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
        HMODULE oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
        f.initialize = LibraryFunction<decltype(f.initialize)>(ole32, "CoInitializeEx");
        f.uninitialize = LibraryFunction<decltype(f.uninitialize)>(ole32, "CoUninitialize");
        f.createInstance = LibraryFunction<decltype(f.createInstance)>(ole32, "CoCreateInstance");
        f.setProxyBlanket = LibraryFunction<decltype(f.setProxyBlanket)>(ole32, "CoSetProxyBlanket");
        f.allocString = LibraryFunction<decltype(f.allocString)>(oleaut32, "SysAllocString");
        f.freeString = LibraryFunction<decltype(f.freeString)>(oleaut32, "SysFreeString");
        f.variantClear = LibraryFunction<decltype(f.variantClear)>(oleaut32, "VariantClear");
        f.arrayLowerBound = LibraryFunction<decltype(f.arrayLowerBound)>(oleaut32, "SafeArrayGetLBound");
        f.arrayUpperBound = LibraryFunction<decltype(f.arrayUpperBound)>(oleaut32, "SafeArrayGetUBound");
        f.arrayAccess = LibraryFunction<decltype(f.arrayAccess)>(oleaut32, "SafeArrayAccessData");
        f.arrayUnaccess = LibraryFunction<decltype(f.arrayUnaccess)>(oleaut32, "SafeArrayUnaccessData");
        f.complete = f.initialize && f.uninitialize && f.createInstance && f.setProxyBlanket &&
                     f.allocString && f.freeString && f.variantClear && f.arrayLowerBound &&
                     f.arrayUpperBound && f.arrayAccess && f.arrayUnaccess;
        return f;
    }();
    return functions.complete ? &functions : nullptr;
}

template <typename Interface> class ComRef {
  public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (pointer_)
            pointer_->Release();
    }
    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    Interface** put() { return &pointer_; }
    void** putVoid() { return reinterpret_cast<void**>(&pointer_); }

  private:
    Interface* pointer_ = nullptr;
};

class Bstr {
  public:
    Bstr(const ComFunctions& com, const wchar_t* text) : com_(com), value_(com.allocString(text)) {}
    Bstr(const ComFunctions& com, const std::u16string& text)
        : Bstr(com, reinterpret_cast<const wchar_t*>(text.c_str())) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { com_.freeString(value_); }
    BSTR get() const { return value_; }

  private:
    const ComFunctions& com_;
    BSTR value_;
};

class Variant {
  public:
    explicit Variant(const ComFunctions& com) : com_(com) {}
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { com_.variantClear(&value); }
    VARIANT value{}; // zeroed is VT_EMPTY

  private:
    const ComFunctions& com_;
};

bool IntegerOf(const VARIANT& value, int& out) {
    switch (value.vt) {
    case VT_UI1:
        out = value.bVal;
        return true;
    case VT_I1:
        out = value.cVal;
        return true;
    case VT_I2:
        out = value.iVal;
        return true;
    case VT_UI2:
        out = value.uiVal;
        return true;
    case VT_I4:
        out = value.lVal;
        return true;
    case VT_UI4:
        out = static_cast<int>(value.ulVal);
        return true;
    case VT_INT:
        out = value.intVal;
        return true;
    case VT_UINT:
        out = static_cast<int>(value.uintVal);
        return true;
    default:
        return false;
    }
}

bool LevelsOf(const ComFunctions& com, const VARIANT& value, std::vector<uint8_t>& levels) {
    if (value.vt != (VT_ARRAY | VT_UI1) || !value.parray)
        return false;
    LONG lower = 0;
    LONG upper = -1;
    if (FAILED(com.arrayLowerBound(value.parray, 1, &lower)) ||
        FAILED(com.arrayUpperBound(value.parray, 1, &upper)))
        return false;
    void* data = nullptr;
    if (upper >= lower && SUCCEEDED(com.arrayAccess(value.parray, &data))) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        levels.assign(bytes, bytes + (upper - lower + 1));
        com.arrayUnaccess(value.parray);
    } else {
        levels.clear();
    }
    return true;
}

// The properties of one WmiMonitorBrightness instance. False when it lacks its name or level.
bool ReadPanel(const ComFunctions& com, IWbemClassObject* object, PanelBacklight& panel, bool& active) {
    Variant name(com);
    Variant current(com);
    Variant levels(com);
    Variant isActive(com);
    int level = 0;
    if (FAILED(object->Get(L"InstanceName", 0, &name.value, nullptr, nullptr)) || name.value.vt != VT_BSTR ||
        !name.value.bstrVal)
        return false;
    if (FAILED(object->Get(L"CurrentBrightness", 0, &current.value, nullptr, nullptr)) ||
        !IntegerOf(current.value, level) || level < 0 || level > 100)
        return false;
    panel.instanceName.assign(reinterpret_cast<const char16_t*>(name.value.bstrVal));
    panel.currentLevel = static_cast<uint8_t>(level);
    if (SUCCEEDED(object->Get(L"Level", 0, &levels.value, nullptr, nullptr)))
        LevelsOf(com, levels.value, panel.levels);
    // A panel that does not say is taken as active.
    active = !(SUCCEEDED(object->Get(L"Active", 0, &isActive.value, nullptr, nullptr)) &&
               isActive.value.vt == VT_BOOL && isActive.value.boolVal == VARIANT_FALSE);
    return true;
}

enum class Job { Find, Read, Set };

// One call's question and answer, shared by the caller and its worker; the worker's share keeps it
// alive when the caller has stopped waiting.
struct WmiCall {
    Job job = Job::Find;
    PanelBacklight panel; // Read, Set: the panel asked about; its answer
    uint8_t level = 0;    // Set: the level to set
    PanelResult result = PanelResult::Failed;
    std::vector<PanelBacklight> panels; // Find's answer
    HANDLE answered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    WmiCall() = default;
    WmiCall(const WmiCall&) = delete;
    WmiCall& operator=(const WmiCall&) = delete;
    ~WmiCall() {
        if (answered)
            CloseHandle(answered);
    }
};

// At most one worker at a time: one that hangs in WMI must not be joined by another at every retry.
std::atomic<bool> workerBusy{false};

// The proxies need impersonation to reach WMI's provider; an in-process object has no proxy, which is fine.
void AllowImpersonation(const ComFunctions& com, IUnknown* proxy) {
    com.setProxyBlanket(proxy, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                        RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
}

HRESULT ConnectToPanels(const ComFunctions& com, ComRef<IWbemServices>& services) {
    ComRef<IWbemLocator> locator;
    HRESULT result = com.createInstance(kWbemLocatorClass, nullptr, CLSCTX_INPROC_SERVER,
                                        __uuidof(IWbemLocator), locator.putVoid());
    if (FAILED(result))
        return result;
    const Bstr space(com, L"ROOT\\WMI");
    result = locator->ConnectServer(space.get(), nullptr, nullptr, nullptr, WBEM_FLAG_CONNECT_USE_MAX_WAIT,
                                    nullptr, nullptr, services.put());
    if (SUCCEEDED(result))
        AllowImpersonation(com, services.get());
    return result;
}

PanelResult FindOnWorker(const ComFunctions& com, IWbemServices* services,
                         std::vector<PanelBacklight>& panels) {
    const Bstr language(com, L"WQL");
    const Bstr query(com, L"SELECT InstanceName, CurrentBrightness, Level, Active FROM WmiMonitorBrightness");
    ComRef<IEnumWbemClassObject> found;
    HRESULT result =
        services->ExecQuery(language.get(), query.get(),
                            WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr, found.put());
    if (FAILED(result))
        return PanelResultFromWmi(result);
    AllowImpersonation(com, found.get());
    for (;;) {
        ComRef<IWbemClassObject> object;
        ULONG returned = 0;
        result = found->Next(kNextWaitMs, 1, object.put(), &returned);
        if (FAILED(result))
            return PanelResultFromWmi(result);
        if (result == WBEM_S_TIMEDOUT)
            return PanelResult::TryLater;
        if (returned == 0)
            break;
        PanelBacklight panel;
        bool active = true;
        if (ReadPanel(com, object.get(), panel, active) && active)
            panels.push_back(std::move(panel));
    }
    return panels.empty() ? PanelResult::NoPanel : PanelResult::Done;
}

PanelResult ReadOnWorker(const ComFunctions& com, IWbemServices* services, PanelBacklight& panel) {
    const Bstr path(com, PanelObjectPath(u"WmiMonitorBrightness", panel.instanceName));
    ComRef<IWbemClassObject> object;
    const HRESULT result = services->GetObject(path.get(), 0, nullptr, object.put(), nullptr);
    if (FAILED(result))
        return PanelResultFromWmi(result);
    PanelBacklight read;
    bool active = true;
    if (!ReadPanel(com, object.get(), read, active))
        return PanelResult::Failed;
    panel.currentLevel = read.currentLevel;
    if (!read.levels.empty())
        panel.levels = std::move(read.levels);
    return PanelResult::Done;
}

PanelResult SetOnWorker(const ComFunctions& com, IWbemServices* services, const PanelBacklight& panel,
                        uint8_t level) {
    const Bstr className(com, L"WmiMonitorBrightnessMethods");
    const Bstr method(com, L"WmiSetBrightness");
    ComRef<IWbemClassObject> methods;
    HRESULT result = services->GetObject(className.get(), 0, nullptr, methods.put(), nullptr);
    if (FAILED(result))
        return PanelResultFromWmi(result);
    ComRef<IWbemClassObject> signature;
    result = methods->GetMethod(L"WmiSetBrightness", 0, signature.put(), nullptr);
    if (FAILED(result) || !signature.get())
        return FAILED(result) ? PanelResultFromWmi(result) : PanelResult::Failed;
    ComRef<IWbemClassObject> arguments;
    result = signature->SpawnInstance(0, arguments.put());
    if (FAILED(result))
        return PanelResultFromWmi(result);
    // uint32 travels as VT_I4, uint8 as VT_UI1.
    VARIANT timeout{};
    timeout.vt = VT_I4;
    timeout.lVal = kSetTimeoutSeconds;
    VARIANT brightness{};
    brightness.vt = VT_UI1;
    brightness.bVal = level;
    if (FAILED(result = arguments->Put(L"Timeout", 0, &timeout, 0)) ||
        FAILED(result = arguments->Put(L"Brightness", 0, &brightness, 0)))
        return PanelResultFromWmi(result);
    const Bstr path(com, PanelObjectPath(u"WmiMonitorBrightnessMethods", panel.instanceName));
    ComRef<IWbemClassObject> answer;
    result =
        services->ExecMethod(path.get(), method.get(), 0, nullptr, arguments.get(), answer.put(), nullptr);
    if (FAILED(result))
        return PanelResultFromWmi(result);
    // The method's own result, where it gives one: 0 is success, else a WMI error code.
    Variant returned(com);
    int code = 0;
    if (answer.get() && SUCCEEDED(answer->Get(L"ReturnValue", 0, &returned.value, nullptr, nullptr)) &&
        IntegerOf(returned.value, code) && code != 0)
        return PanelResultFromWmi(static_cast<uint32_t>(code));
    return PanelResult::Done;
}

void RunCall(const ComFunctions& com, WmiCall& call) {
    ComRef<IWbemServices> services;
    const HRESULT connected = ConnectToPanels(com, services);
    if (FAILED(connected)) {
        call.result = PanelResultFromWmi(connected);
        return;
    }
    switch (call.job) {
    case Job::Find:
        call.result = FindOnWorker(com, services.get(), call.panels);
        break;
    case Job::Read:
        call.result = ReadOnWorker(com, services.get(), call.panel);
        break;
    case Job::Set:
        call.result = SetOnWorker(com, services.get(), call.panel, call.level);
        break;
    }
}

DWORD WINAPI WmiWorker(void* parameter) {
    auto* handed = static_cast<std::shared_ptr<WmiCall>*>(parameter);
    const std::shared_ptr<WmiCall> call = std::move(*handed);
    delete handed;
    const ComFunctions& com = *LoadCom();
    const HRESULT started = com.initialize(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(started)) {
        RunCall(com, *call); // every COM object is released before the apartment ends
        com.uninitialize();
    } else {
        call->result = PanelResultFromWmi(started);
    }
    // Free for the next call before the answer goes out, so a caller that asks again at once may.
    workerBusy = false;
    SetEvent(call->answered);
    return 0;
}

// Runs call on a new worker and waits for it at most kPanelAnswerWaitMs; a late answer is dropped.
PanelResult RunOnWorker(const std::shared_ptr<WmiCall>& call) {
    if (!LoadCom())
        return PanelResult::NoPanel;
    if (!call->answered)
        return PanelResult::Failed;
    bool idle = false;
    if (!workerBusy.compare_exchange_strong(idle, true))
        return PanelResult::TryLater;
    auto* handed = new std::shared_ptr<WmiCall>(call);
    HANDLE thread = CreateThread(nullptr, 0, WmiWorker, handed, 0, nullptr);
    if (!thread) {
        delete handed;
        workerBusy = false;
        return PanelResult::Failed;
    }
    CloseHandle(thread);
    if (WaitForSingleObject(call->answered, kPanelAnswerWaitMs) != WAIT_OBJECT_0)
        return PanelResult::TryLater;
    return call->result;
}

} // namespace

PanelResult FindPanels(std::vector<PanelBacklight>& panels) {
    auto call = std::make_shared<WmiCall>();
    call->job = Job::Find;
    const PanelResult result = RunOnWorker(call);
    if (result == PanelResult::Done)
        panels = std::move(call->panels);
    return result;
}

PanelResult ReadPanelLevel(PanelBacklight& panel) {
    auto call = std::make_shared<WmiCall>();
    call->job = Job::Read;
    call->panel = panel;
    const PanelResult result = RunOnWorker(call);
    if (result == PanelResult::Done)
        panel = call->panel;
    return result;
}

PanelResult SetPanelLevel(PanelBacklight& panel, int wanted) {
    auto call = std::make_shared<WmiCall>();
    call->job = Job::Set;
    call->panel = panel;
    call->level = NearestPanelLevel(panel.levels, wanted);
    const PanelResult result = RunOnWorker(call);
    if (result == PanelResult::Done)
        panel.currentLevel = call->level;
    return result;
}
