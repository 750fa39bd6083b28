// A stand-in for the system's WMI locator (CLSID_WbemLocator, served by wbemprox.dll) with one built-in
// panel behind the root\wmi classes WmiMonitorBrightness and WmiMonitorBrightnessMethods. It is installed
// over the test prefix's wbemprox.dll and loaded only by processes started with WINEDLLOVERRIDES
// wbemprox=n; everything else keeps Wine's own WMI.
//
// Its state lives in "<WMI_STANDIN_DIR>\panel.txt" (key=value lines) and is read at every call, so a test
// can change the panel behind the program's back. Keys: instance (the panel's InstanceName; empty: no
// panel), levels (the allowed levels, comma-separated, in the order WMI lists them), current (its level),
// active (0 or 1), delay_ms (sleep in each data call), fail_times (that many data calls fail, counted down
// and written back), fail_with (the HRESULT they fail with, hex, default 0x8004100C: not supported).
// Data calls are ExecQuery, GetObject and ExecMethod. Every call is appended to
// "<WMI_STANDIN_DIR>\calls.log" as
//   <unix epoch ms> <call> <details> result=0x<hex>
// where details are namespace=..., query=..., path=..., or for the set method
// method=WmiSetBrightness timeout=<n> brightness=<n>. New fields only ever go before result=.
// Without WMI_STANDIN_DIR the panel keeps its default state in memory and nothing is logged.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <wbemcli.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr CLSID kWbemLocatorClass = {
    0x4590f811, 0x1d3a, 0x11d0, {0x89, 0x1f, 0x00, 0xaa, 0x00, 0x4b, 0x2e, 0x24}};

std::map<std::string, std::string> memoryState;

std::wstring StandInFolder() {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"WMI_STANDIN_DIR", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring result(folder);
    if (result.back() != L'\\')
        result += L'\\';
    return result;
}

// Serialises the state file between threads and processes.
struct StateLock {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\glimra_wmi_standin");
    StateLock() { WaitForSingleObject(mutex, 5000); }
    ~StateLock() {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
};

std::map<std::string, std::string> Defaults() {
    return {{"instance", "DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID265988_0"},
            {"levels", "0,10,20,30,40,50,60,70,80,90,100"},
            {"current", "50"},
            {"active", "1"},
            {"delay_ms", "0"},
            {"fail_times", "0"},
            {"fail_with", "0x8004100C"}};
}

std::map<std::string, std::string> LoadState() {
    std::map<std::string, std::string> state = Defaults();
    const std::wstring folder = StandInFolder();
    if (folder.empty()) {
        for (const auto& [key, value] : memoryState)
            state[key] = value;
        return state;
    }
    FILE* file = _wfopen((folder + L"panel.txt").c_str(), L"rb");
    if (!file)
        return state;
    char line[512];
    while (std::fgets(line, sizeof(line), file)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        const std::size_t equals = text.find('=');
        if (equals != std::string::npos)
            state[text.substr(0, equals)] = text.substr(equals + 1);
    }
    std::fclose(file);
    return state;
}

void SaveState(const std::map<std::string, std::string>& state) {
    const std::wstring folder = StandInFolder();
    if (folder.empty()) {
        memoryState = state;
        return;
    }
    FILE* file = _wfopen((folder + L"panel.txt").c_str(), L"wb");
    if (!file)
        return;
    for (const auto& [key, value] : state)
        std::fprintf(file, "%s=%s\n", key.c_str(), value.c_str());
    std::fclose(file);
}

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

std::wstring Wide(const std::string& text) {
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

void Log(const std::string& call, const std::string& details, HRESULT result) {
    const std::wstring folder = StandInFolder();
    if (folder.empty())
        return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const ULONGLONG epochMs = (ticks - 116444736000000000ULL) / 10000ULL;
    StateLock lock;
    FILE* file = _wfopen((folder + L"calls.log").c_str(), L"ab");
    if (!file)
        return;
    std::fprintf(file, "%llu %s %s result=0x%08lX\n", epochMs, call.c_str(), details.c_str(),
                 static_cast<unsigned long>(result));
    std::fclose(file);
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// The start of every data call: the configured delay, then a configured failure, counted down.
HRESULT EnterDataCall() {
    DWORD delay = 0;
    {
        StateLock lock;
        delay = static_cast<DWORD>(std::strtoul(LoadState()["delay_ms"].c_str(), nullptr, 10));
    }
    if (delay)
        Sleep(delay);
    StateLock lock;
    std::map<std::string, std::string> state = LoadState();
    const long failures = std::strtol(state["fail_times"].c_str(), nullptr, 10);
    if (failures <= 0)
        return S_OK;
    state["fail_times"] = std::to_string(failures - 1);
    SaveState(state);
    return static_cast<HRESULT>(std::strtoul(state["fail_with"].c_str(), nullptr, 16));
}

// --- IWbemClassObject: a bag of named values, enough for instances, a method class and its arguments.

class Bag final : public IWbemClassObject {
  public:
    explicit Bag(bool hasSetBrightness = false) : hasSetBrightness_(hasSetBrightness) {}

    void Set(const std::wstring& name, const VARIANT& value) {
        VARIANT& slot = values_[Lower(name)];
        VariantClear(&slot);
        VariantCopy(&slot, const_cast<VARIANT*>(&value));
    }
    void SetText(const std::wstring& name, const std::wstring& text) {
        VARIANT value;
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocString(text.c_str());
        Set(name, value);
        VariantClear(&value);
    }
    void SetInteger(const std::wstring& name, VARTYPE type, long number) {
        VARIANT value{};
        value.vt = type;
        if (type == VT_UI1)
            value.bVal = static_cast<BYTE>(number);
        else if (type == VT_BOOL)
            value.boolVal = number ? VARIANT_TRUE : VARIANT_FALSE;
        else
            value.lVal = number;
        Set(name, value);
    }
    void SetNull(const std::wstring& name) {
        VARIANT value{};
        value.vt = VT_NULL;
        Set(name, value);
    }
    void SetBytes(const std::wstring& name, const std::vector<BYTE>& bytes) {
        SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
        void* data = nullptr;
        if (!bytes.empty() && SUCCEEDED(SafeArrayAccessData(array, &data))) {
            std::memcpy(data, bytes.data(), bytes.size());
            SafeArrayUnaccessData(array);
        }
        VARIANT value{};
        value.vt = VT_ARRAY | VT_UI1;
        value.parray = array;
        Set(name, value);
        VariantClear(&value);
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(IWbemClassObject)) {
            *object = static_cast<IWbemClassObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE Get(LPCWSTR name, LONG, VARIANT* value, CIMTYPE* type, LONG* flavor) override {
        if (!name)
            return WBEM_E_INVALID_PARAMETER;
        const auto found = values_.find(Lower(name));
        if (found == values_.end())
            return WBEM_E_NOT_FOUND;
        if (value) {
            VariantInit(value);
            VariantCopy(value, &found->second);
        }
        if (type)
            *type = CIM_EMPTY;
        if (flavor)
            *flavor = 0;
        return WBEM_S_NO_ERROR;
    }
    HRESULT STDMETHODCALLTYPE Put(LPCWSTR name, LONG, VARIANT* value, CIMTYPE) override {
        if (!name || !value)
            return WBEM_E_INVALID_PARAMETER;
        Set(name, *value);
        return WBEM_S_NO_ERROR;
    }
    HRESULT STDMETHODCALLTYPE SpawnInstance(LONG, IWbemClassObject** instance) override {
        return CopyTo(instance);
    }
    HRESULT STDMETHODCALLTYPE Clone(IWbemClassObject** copy) override { return CopyTo(copy); }
    HRESULT STDMETHODCALLTYPE GetMethod(LPCWSTR name, LONG, IWbemClassObject** in,
                                        IWbemClassObject** out) override {
        if (!hasSetBrightness_ || !name || Lower(name) != L"wmisetbrightness")
            return WBEM_E_NOT_FOUND;
        if (in) {
            Bag* arguments = new Bag;
            arguments->SetNull(L"Timeout");
            arguments->SetNull(L"Brightness");
            *in = arguments;
        }
        if (out) {
            Bag* answer = new Bag;
            answer->SetNull(L"ReturnValue");
            *out = answer;
        }
        return WBEM_S_NO_ERROR;
    }

    HRESULT STDMETHODCALLTYPE GetQualifierSet(IWbemQualifierSet**) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE Delete(LPCWSTR) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE GetNames(LPCWSTR, LONG, VARIANT*, SAFEARRAY**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE BeginEnumeration(LONG) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE Next(LONG, BSTR*, VARIANT*, CIMTYPE*, LONG*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE EndEnumeration() override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE GetPropertyQualifierSet(LPCWSTR, IWbemQualifierSet**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE GetObjectText(LONG, BSTR*) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE SpawnDerivedClass(LONG, IWbemClassObject**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE CompareTo(LONG, IWbemClassObject*) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE GetPropertyOrigin(LPCWSTR, BSTR*) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE InheritsFrom(LPCWSTR) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE PutMethod(LPCWSTR, LONG, IWbemClassObject*, IWbemClassObject*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DeleteMethod(LPCWSTR) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE BeginMethodEnumeration(LONG) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE NextMethod(LONG, BSTR*, IWbemClassObject**, IWbemClassObject**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE EndMethodEnumeration() override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE GetMethodQualifierSet(LPCWSTR, IWbemQualifierSet**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE GetMethodOrigin(LPCWSTR, BSTR*) override { return WBEM_E_NOT_SUPPORTED; }

  private:
    ~Bag() {
        for (auto& [name, value] : values_)
            VariantClear(&value);
    }
    HRESULT CopyTo(IWbemClassObject** copy) {
        if (!copy)
            return WBEM_E_INVALID_PARAMETER;
        Bag* bag = new Bag(hasSetBrightness_);
        for (const auto& [name, value] : values_)
            bag->Set(name, value);
        *copy = bag;
        return WBEM_S_NO_ERROR;
    }

    std::atomic<ULONG> references_{1};
    bool hasSetBrightness_;
    std::map<std::wstring, VARIANT> values_;
};

std::vector<BYTE> ParseLevels(const std::string& text) {
    std::vector<BYTE> levels;
    const char* cursor = text.c_str();
    while (*cursor) {
        char* end = nullptr;
        const long level = std::strtol(cursor, &end, 10);
        if (end == cursor)
            break;
        levels.push_back(static_cast<BYTE>(level));
        cursor = *end == ',' ? end + 1 : end;
    }
    return levels;
}

// The panel's instance of WmiMonitorBrightness, or of WmiMonitorBrightnessMethods.
Bag* PanelInstance(bool methods) {
    std::map<std::string, std::string> state;
    {
        StateLock lock;
        state = LoadState();
    }
    Bag* instance = new Bag(methods);
    instance->SetText(L"InstanceName", Wide(state["instance"]));
    instance->SetInteger(L"Active", VT_BOOL, std::strtol(state["active"].c_str(), nullptr, 10));
    if (!methods) {
        const std::vector<BYTE> levels = ParseLevels(state["levels"]);
        instance->SetInteger(L"CurrentBrightness", VT_UI1,
                             std::strtol(state["current"].c_str(), nullptr, 10));
        instance->SetBytes(L"Level", levels);
        instance->SetInteger(L"Levels", VT_I4, static_cast<long>(levels.size()));
    }
    return instance;
}

std::wstring PanelInstanceName() {
    StateLock lock;
    return Wide(LoadState()["instance"]);
}

// "Class" or "Class.InstanceName=\"key\"" with the key's escapes undone; false for any other form.
bool ParseObjectPath(const std::wstring& path, std::wstring& className, std::wstring& key, bool& hasKey) {
    const std::size_t dot = path.find(L'.');
    className = Lower(path.substr(0, dot));
    hasKey = dot != std::wstring::npos;
    key.clear();
    if (!hasKey)
        return true;
    const std::wstring rest = path.substr(dot + 1);
    const std::wstring prefix = L"instancename=\"";
    if (Lower(rest.substr(0, prefix.size())) != prefix || rest.size() < prefix.size() + 1 ||
        rest.back() != L'"')
        return false;
    const std::wstring quoted = rest.substr(prefix.size(), rest.size() - prefix.size() - 1);
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == L'\\' && i + 1 < quoted.size())
            ++i;
        key += quoted[i];
    }
    return true;
}

// An argument as a number, -1 when missing or not a number; through the interface, as WMI would read it.
long NumberOf(IWbemClassObject* object, const wchar_t* name) {
    VARIANT value{};
    VARIANT converted{};
    long number = -1;
    if (SUCCEEDED(object->Get(name, 0, &value, nullptr, nullptr)) &&
        SUCCEEDED(VariantChangeType(&converted, &value, 0, VT_I4)))
        number = converted.lVal;
    VariantClear(&value);
    VariantClear(&converted);
    return number;
}

// --- IEnumWbemClassObject over a fixed list.

class ObjectList final : public IEnumWbemClassObject {
  public:
    explicit ObjectList(std::vector<IWbemClassObject*> objects) : objects_(std::move(objects)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(IEnumWbemClassObject)) {
            *object = static_cast<IEnumWbemClassObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        next_ = 0;
        return WBEM_S_NO_ERROR;
    }
    HRESULT STDMETHODCALLTYPE Next(LONG, ULONG count, IWbemClassObject** objects, ULONG* returned) override {
        if (!objects || !returned)
            return WBEM_E_INVALID_PARAMETER;
        *returned = 0;
        while (*returned < count && next_ < objects_.size()) {
            objects[*returned] = objects_[next_++];
            objects[*returned]->AddRef();
            ++*returned;
        }
        return *returned == count ? WBEM_S_NO_ERROR : WBEM_S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE NextAsync(ULONG, IWbemObjectSink*) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumWbemClassObject**) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE Skip(LONG, ULONG) override { return WBEM_E_NOT_SUPPORTED; }

  private:
    ~ObjectList() {
        for (IWbemClassObject* object : objects_)
            object->Release();
    }
    std::atomic<ULONG> references_{1};
    std::vector<IWbemClassObject*> objects_;
    std::size_t next_ = 0;
};

// --- IWbemServices for root\wmi.

class Services final : public IWbemServices {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(IWbemServices)) {
            *object = static_cast<IWbemServices*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE ExecQuery(const BSTR language, const BSTR query, LONG, IWbemContext*,
                                        IEnumWbemClassObject** found) override {
        const std::wstring text = query ? query : L"";
        HRESULT result = EnterDataCall();
        if (SUCCEEDED(result))
            result = Query(language, text, found);
        Log("ExecQuery", "query=" + Utf8(text), result);
        return result;
    }

    HRESULT STDMETHODCALLTYPE GetObject(const BSTR path, LONG, IWbemContext*, IWbemClassObject** object,
                                        IWbemCallResult** callResult) override {
        const std::wstring text = path ? path : L"";
        if (callResult)
            *callResult = nullptr;
        HRESULT result = EnterDataCall();
        if (SUCCEEDED(result))
            result = Object(text, object);
        Log("GetObject", "path=" + Utf8(text), result);
        return result;
    }

    HRESULT STDMETHODCALLTYPE ExecMethod(const BSTR path, const BSTR method, LONG, IWbemContext*,
                                         IWbemClassObject* in, IWbemClassObject** out,
                                         IWbemCallResult** callResult) override {
        const std::wstring text = path ? path : L"";
        const std::wstring name = method ? method : L"";
        if (callResult)
            *callResult = nullptr;
        if (out)
            *out = nullptr;
        long timeout = -1;
        long brightness = -1;
        if (in) {
            timeout = NumberOf(in, L"Timeout");
            brightness = NumberOf(in, L"Brightness");
        }
        HRESULT result = EnterDataCall();
        if (SUCCEEDED(result))
            result = SetBrightness(text, name, brightness, out);
        Log("ExecMethod",
            "path=" + Utf8(text) + " method=" + Utf8(name) + " timeout=" + std::to_string(timeout) +
                " brightness=" + std::to_string(brightness),
            result);
        return result;
    }

    HRESULT STDMETHODCALLTYPE OpenNamespace(const BSTR, LONG, IWbemContext*, IWbemServices**,
                                            IWbemCallResult**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE CancelAsyncCall(IWbemObjectSink*) override { return WBEM_E_NOT_SUPPORTED; }
    HRESULT STDMETHODCALLTYPE QueryObjectSink(LONG, IWbemObjectSink**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE GetObjectAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE PutClass(IWbemClassObject*, LONG, IWbemContext*, IWbemCallResult**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE PutClassAsync(IWbemClassObject*, LONG, IWbemContext*,
                                            IWbemObjectSink*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DeleteClass(const BSTR, LONG, IWbemContext*, IWbemCallResult**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DeleteClassAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE CreateClassEnum(const BSTR, LONG, IWbemContext*,
                                              IEnumWbemClassObject**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE CreateClassEnumAsync(const BSTR, LONG, IWbemContext*,
                                                   IWbemObjectSink*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE PutInstance(IWbemClassObject*, LONG, IWbemContext*,
                                          IWbemCallResult**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE PutInstanceAsync(IWbemClassObject*, LONG, IWbemContext*,
                                               IWbemObjectSink*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DeleteInstance(const BSTR, LONG, IWbemContext*, IWbemCallResult**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DeleteInstanceAsync(const BSTR, LONG, IWbemContext*,
                                                  IWbemObjectSink*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE CreateInstanceEnum(const BSTR, LONG, IWbemContext*,
                                                 IEnumWbemClassObject**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE CreateInstanceEnumAsync(const BSTR, LONG, IWbemContext*,
                                                      IWbemObjectSink*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE ExecQueryAsync(const BSTR, const BSTR, LONG, IWbemContext*,
                                             IWbemObjectSink*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE ExecNotificationQuery(const BSTR, const BSTR, LONG, IWbemContext*,
                                                    IEnumWbemClassObject**) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE ExecNotificationQueryAsync(const BSTR, const BSTR, LONG, IWbemContext*,
                                                         IWbemObjectSink*) override {
        return WBEM_E_NOT_SUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE ExecMethodAsync(const BSTR, const BSTR, LONG, IWbemContext*, IWbemClassObject*,
                                              IWbemObjectSink*) override {
        return WBEM_E_NOT_SUPPORTED;
    }

  private:
    ~Services() = default;

    static HRESULT Query(const BSTR language, const std::wstring& query, IEnumWbemClassObject** found) {
        if (!found)
            return WBEM_E_INVALID_PARAMETER;
        *found = nullptr;
        if (!language || Lower(language) != L"wql")
            return WBEM_E_INVALID_QUERY_TYPE;
        const std::wstring lower = Lower(query);
        const std::size_t from = lower.find(L" from ");
        if (from == std::wstring::npos)
            return WBEM_E_INVALID_QUERY;
        std::wstring className = lower.substr(from + 6);
        className = className.substr(0, className.find(L' '));
        const bool methods = className == L"wmimonitorbrightnessmethods";
        if (!methods && className != L"wmimonitorbrightness")
            return WBEM_E_INVALID_CLASS;
        std::vector<IWbemClassObject*> objects;
        if (!PanelInstanceName().empty())
            objects.push_back(PanelInstance(methods));
        *found = new ObjectList(std::move(objects));
        return WBEM_S_NO_ERROR;
    }

    static HRESULT Object(const std::wstring& path, IWbemClassObject** object) {
        if (!object)
            return WBEM_E_INVALID_PARAMETER;
        *object = nullptr;
        std::wstring className;
        std::wstring key;
        bool hasKey = false;
        if (!ParseObjectPath(path, className, key, hasKey))
            return WBEM_E_INVALID_OBJECT_PATH;
        const bool methods = className == L"wmimonitorbrightnessmethods";
        if (!methods && className != L"wmimonitorbrightness")
            return WBEM_E_INVALID_CLASS;
        if (!hasKey) {
            // The class itself: a method class hands out its methods' signatures.
            *object = new Bag(methods);
            return WBEM_S_NO_ERROR;
        }
        const std::wstring instance = PanelInstanceName();
        if (instance.empty() || Lower(key) != Lower(instance))
            return WBEM_E_NOT_FOUND;
        *object = PanelInstance(methods);
        return WBEM_S_NO_ERROR;
    }

    static HRESULT SetBrightness(const std::wstring& path, const std::wstring& method, long brightness,
                                 IWbemClassObject** out) {
        std::wstring className;
        std::wstring key;
        bool hasKey = false;
        if (!ParseObjectPath(path, className, key, hasKey))
            return WBEM_E_INVALID_OBJECT_PATH;
        if (className != L"wmimonitorbrightnessmethods")
            return WBEM_E_INVALID_CLASS;
        if (Lower(method) != L"wmisetbrightness")
            return WBEM_E_INVALID_METHOD;
        if (!hasKey)
            return WBEM_E_INVALID_METHOD_PARAMETERS;
        if (brightness < 0 || brightness > 100)
            return WBEM_E_INVALID_PARAMETER;
        StateLock lock;
        std::map<std::string, std::string> state = LoadState();
        if (state["instance"].empty() || Lower(key) != Lower(Wide(state["instance"])))
            return WBEM_E_NOT_FOUND;
        state["current"] = std::to_string(brightness);
        SaveState(state);
        if (out) {
            Bag* answer = new Bag;
            answer->SetInteger(L"ReturnValue", VT_I4, 0);
            *out = answer;
        }
        return WBEM_S_NO_ERROR;
    }

    std::atomic<ULONG> references_{1};
};

// --- IWbemLocator: only root\wmi is here.

class Locator final : public IWbemLocator {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(IWbemLocator)) {
            *object = static_cast<IWbemLocator*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE ConnectServer(const BSTR resource, const BSTR, const BSTR, const BSTR, LONG,
                                            const BSTR, IWbemContext*, IWbemServices** services) override {
        const std::wstring name = resource ? resource : L"";
        HRESULT result = WBEM_E_INVALID_PARAMETER;
        if (services) {
            *services = nullptr;
            const std::wstring lower = Lower(name);
            const std::wstring wanted = L"root\\wmi";
            const bool here = lower == wanted || (lower.size() > wanted.size() &&
                                                  lower.compare(lower.size() - wanted.size() - 1,
                                                                std::wstring::npos, L"\\" + wanted) == 0);
            result = here ? WBEM_S_NO_ERROR : WBEM_E_INVALID_NAMESPACE;
            if (here)
                *services = new Services;
        }
        Log("ConnectServer", "namespace=" + Utf8(name), result);
        return result;
    }

  private:
    ~Locator() = default;
    std::atomic<ULONG> references_{1};
};

class LocatorFactory final : public IClassFactory {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // One static factory that lives as long as the library.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        Locator* locator = new Locator;
        const HRESULT result = locator->QueryInterface(iid, object);
        locator->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

LocatorFactory factory;

} // namespace

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (classId != kWbemLocatorClass)
        return CLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(iid, object);
}

// Workers that outlived their caller may still be inside: never unloaded.
extern "C" HRESULT WINAPI DllCanUnloadNow() {
    return S_FALSE;
}
