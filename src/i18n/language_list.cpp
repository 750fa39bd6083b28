#include "i18n/language_list.h"

#include "i18n/text_cut.h"
#include "i18n/text_table.h"
#include "i18n/upper_case.h"

LanguageList languageList;

namespace {

constexpr std::u16string_view kHeaderBlock = u"[FILE]";
constexpr std::u16string_view kLineBreak = u"\r\n";

std::u16string Cut(std::u16string_view text, std::size_t length) {
    return std::u16string(CutText(text, length));
}

void ReadHeaderLine(std::u16string_view line, LanguageInfo& info) {
    const std::size_t equals = line.find(u'=');
    const std::u16string field = UpperCaseText(TrimSpaces(line.substr(0, equals)));
    const std::u16string_view value =
        equals == std::u16string_view::npos ? std::u16string_view() : TrimSpaces(line.substr(equals + 1));
    if (field == u"AUTHOR")
        info.author = Cut(value, kLanguageAuthorLength);
    else if (field == u"NAME")
        info.name = Cut(value, kLanguageNameLength);
    else if (field == u"VERSIONID")
        info.versionId = Cut(value, kLanguageVersionLength);
    else if (field == u"PICTURE")
        info.picture = Cut(value, kLanguagePictureLength);
}

} // namespace

bool IsPlainFileName(std::u16string_view name) {
    return !name.empty() && name.find_first_of(u"\\/:") == std::u16string_view::npos &&
           name.find(u"..") == std::u16string_view::npos;
}

bool IsListedLanguageFile(std::u16string_view fileName, uint64_t size) {
    // The search for "*.lng" also matches short 8.3 names, so "German.lng.bak" would be found too.
    constexpr std::u16string_view kExtension = u".LNG";
    return size > kSmallestLanguageFile && fileName.size() <= kLanguageListFileNameLength &&
           fileName.size() > kExtension.size() &&
           UpperCaseText(fileName.substr(fileName.size() - kExtension.size())) == kExtension;
}

std::optional<LanguageInfo> ReadLanguageHeader(std::u16string_view fileText) {
    if (!fileText.empty() && fileText.front() == u'\uFEFF')
        fileText.remove_prefix(1);
    const std::size_t open = fileText.find(kHeaderBlock);
    if (open == std::u16string_view::npos)
        return std::nullopt;
    const std::size_t start = open + kHeaderBlock.size();
    const std::size_t close = fileText.find(kHeaderBlock, start);
    if (close == std::u16string_view::npos || close == start)
        return std::nullopt;

    LanguageInfo info;
    std::u16string_view block = fileText.substr(start, close - start);
    for (;;) {
        const std::size_t end = block.find(kLineBreak);
        const std::u16string_view line = block.substr(0, end);
        if (!TrimSpaces(line).empty())
            ReadHeaderLine(line, info);
        if (end == std::u16string_view::npos)
            break;
        block.remove_prefix(end + kLineBreak.size());
    }
    return info;
}

std::optional<LanguageInfo> LanguageRecordFromFile(std::u16string_view fileText,
                                                   std::u16string_view fileName) {
    if (fileName.size() > kLanguageListFileNameLength)
        return std::nullopt;
    std::optional<LanguageInfo> info = ReadLanguageHeader(fileText);
    if (!info || info->name.empty())
        return std::nullopt;
    info->fileName = UpperCaseText(fileName);
    if (!IsPlainFileName(info->picture))
        info->picture.clear();
    return info;
}

std::u16string LanguageItemText(const LanguageInfo& info) {
    return info.name + u", " + info.author + u", v" + info.versionId;
}

std::u16string LanguageFileAt(std::size_t position) {
    if (position == 0 || position > languageList.size())
        return {};
    return languageList[position - 1].fileName;
}

std::size_t LanguagePositionOf(std::u16string_view fileName) {
    const std::u16string wanted = UpperCaseText(fileName);
    for (std::size_t index = 0; index < languageList.size(); ++index) {
        if (UpperCaseText(languageList[index].fileName) == wanted)
            return index + 1;
    }
    return 0;
}
