#include "platform/internet.h"

#include "platform/system_library.h"

namespace {

template <typename Function> bool LookUp(HMODULE library, const char* name, Function& function) {
    function = LibraryFunction<Function>(library, name);
    return function != nullptr;
}

HMODULE LookUpAll(HMODULE library, InternetFunctions& functions, uint32_t& errorCode) {
    if (library && LookUp(library, "InternetOpenW", functions.openInternet) &&
        LookUp(library, "InternetSetOptionW", functions.setOption) &&
        LookUp(library, "InternetCanonicalizeUrlW", functions.canonicalizeUrl) &&
        LookUp(library, "InternetOpenUrlW", functions.openUrl) &&
        LookUp(library, "InternetQueryDataAvailable", functions.queryDataAvailable) &&
        LookUp(library, "InternetReadFileExW", functions.readFile) &&
        LookUp(library, "HttpQueryInfoW", functions.queryInfo) &&
        LookUp(library, "InternetCloseHandle", functions.closeHandle))
        return library;
    errorCode = GetLastError();
    if (library)
        FreeLibrary(library);
    functions = {};
    return nullptr;
}

} // namespace

HMODULE LoadInternetFunctions(const wchar_t* path, InternetFunctions& functions, uint32_t& errorCode) {
    return LookUpAll(LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH), functions, errorCode);
}

const InternetFunctions* SystemInternetFunctions(uint32_t& errorCode) {
    static InternetFunctions functions{};
    static HMODULE library = nullptr;
    if (!library)
        library = LookUpAll(LoadSystemLibrary(L"wininet.dll"), functions, errorCode);
    return library ? &functions : nullptr;
}
