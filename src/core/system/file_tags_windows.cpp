#include "core/system/file_tags_windows.h"

#include "core/system/native_path.h"

#include <algorithm>
#include <windows.h>
// These need windows.h before them.
#include <initguid.h>
#include <objbase.h>
#include <propkey.h>
#include <shobjidl.h>

namespace jukewright {

namespace {

// A value read from a store, cleared when it goes.
class StoredValue {
public:
    StoredValue() { PropVariantInit(&m_value); }
    ~StoredValue() { PropVariantClear(&m_value); }
    StoredValue(const StoredValue&) = delete;
    StoredValue& operator=(const StoredValue&) = delete;
    PROPVARIANT* out() { return &m_value; }
    const PROPVARIANT& get() const { return m_value; }

private:
    PROPVARIANT m_value;
};

std::string textOf(const wchar_t* text) {
    return text ? utf8FromWide(text) : std::string();
}

// The text of a value, or of the first of a list of texts (a track's artists are such a list).
std::string textOf(const PROPVARIANT& value) {
    switch (value.vt) {
    case VT_LPWSTR:
        return textOf(value.pwszVal);
    case VT_BSTR:
        return textOf(value.bstrVal);
    case VT_VECTOR | VT_LPWSTR:
        for (ULONG i = 0; i < value.calpwstr.cElems; ++i)
            if (std::string text = textOf(value.calpwstr.pElems[i]); !text.empty())
                return text;
        return {};
    default:
        return {};
    }
}

int numberOf(const PROPVARIANT& value) {
    const auto bounded = [](auto number) { return number > 0 && number <= 999999 ? static_cast<int>(number) : 0; };
    switch (value.vt) {
    case VT_UI4:
        return bounded(value.ulVal);
    case VT_UI2:
        return bounded(value.uiVal);
    case VT_I4:
        return bounded(value.lVal);
    case VT_UI8:
        return bounded(value.uhVal.QuadPart);
    default:
        return leadingNumber(textOf(value));
    }
}

// Reads one property into `read`; false when the store failed to answer.
template <typename Read> bool readProperty(IPropertyStore& store, const PROPERTYKEY& key, Read read) {
    StoredValue value;
    if (FAILED(store.GetValue(key, value.out())))
        return false;
    read(value.get());
    return true;
}

std::string trimmed(const std::string& text) {
    constexpr const char* blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Joins the thread it is made on to COM, and leaves again when it goes.
class PropertyTagReader : public TagReader {
public:
    PropertyTagReader() : m_joined(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~PropertyTagReader() override {
        if (m_joined)
            CoUninitialize();
    }
    PropertyTagReader(const PropertyTagReader&) = delete;
    PropertyTagReader& operator=(const PropertyTagReader&) = delete;

    TrackTags read(const std::string& path) override {
        if (!m_works)
            return {};
        // The shell takes only "\\" between the folders of a path.
        std::wstring wide = widePath(path);
        if (wide.empty())
            return {};
        std::ranges::replace(wide, L'/', L'\\');
        IPropertyStore* store = nullptr;
        const HRESULT result =
            SHGetPropertyStoreFromParsingName(wide.c_str(), nullptr, GPS_DEFAULT, IID_PPV_ARGS(&store));
        // Wine has no property store at all: asking for every file would only cost time.
        if (result == E_NOTIMPL)
            m_works = false;
        if (FAILED(result) || !store)
            return {};
        TrackTags tags = tagsFromPropertyStore(*store);
        store->Release();
        return tags;
    }

    bool works() const override { return m_works; }

private:
    bool m_joined;
    bool m_works = true;
};

} // namespace

TrackTags tagsFromPropertyStore(IPropertyStore& store) {
    TrackTags tags;
    std::string trackArtist;
    const bool answered =
        readProperty(store, PKEY_Music_AlbumArtist, [&](const PROPVARIANT& v) { tags.artist = trimmed(textOf(v)); }) &&
        readProperty(store, PKEY_Music_Artist, [&](const PROPVARIANT& v) { trackArtist = trimmed(textOf(v)); }) &&
        readProperty(store, PKEY_Music_AlbumTitle, [&](const PROPVARIANT& v) { tags.album = trimmed(textOf(v)); }) &&
        readProperty(store, PKEY_Music_TrackNumber, [&](const PROPVARIANT& v) { tags.track = numberOf(v); }) &&
        readProperty(store, PKEY_Music_DiscNumber, [&](const PROPVARIANT& v) { tags.disc = numberOf(v); });
    if (!answered)
        return {};
    if (tags.artist.empty())
        tags.artist = std::move(trackArtist);
    return tags;
}

std::unique_ptr<TagReader> makeTagReader() {
    return std::make_unique<PropertyTagReader>();
}

} // namespace jukewright
