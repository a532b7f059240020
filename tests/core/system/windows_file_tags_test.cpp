// The Windows tag reader: what it makes of a property store's values, and what it does on this system.
#ifdef _WIN32

#include "core/library/media_library.h"
#include "core/library/music_scan.h"
#include "core/system/file_tags_windows.h"
#include "support/fixtures.h"
#include "support/tagged_mp3.h"

#include <cwchar>
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include <windows.h>
// These need windows.h before them.
#include <propkey.h>

using namespace jukewright;

namespace {

LPWSTR copied(const wchar_t* text) {
    const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    return static_cast<LPWSTR>(memcpy(CoTaskMemAlloc(bytes), text, bytes));
}

PROPVARIANT text(const wchar_t* value) {
    PROPVARIANT made{};
    made.vt = VT_LPWSTR;
    made.pwszVal = copied(value);
    return made;
}

PROPVARIANT texts(std::initializer_list<const wchar_t*> values) {
    PROPVARIANT made{};
    made.vt = VT_VECTOR | VT_LPWSTR;
    made.calpwstr.cElems = static_cast<ULONG>(values.size());
    made.calpwstr.pElems = static_cast<LPWSTR*>(CoTaskMemAlloc(sizeof(LPWSTR) * (values.size() + 1)));
    for (std::size_t i = 0; const wchar_t* value : values)
        made.calpwstr.pElems[i++] = copied(value);
    return made;
}

PROPVARIANT number(ULONG value) {
    PROPVARIANT made{};
    made.vt = VT_UI4;
    made.ulVal = value;
    return made;
}

// A file's property store: the values it is given, an empty value for any other key (as the system's
// stores answer), or, failing, an error for every question. It lives on the test's stack.
class FakePropertyStore : public IPropertyStore {
public:
    explicit FakePropertyStore(std::vector<std::pair<PROPERTYKEY, PROPVARIANT>> values, bool failing = false)
        : m_values(std::move(values)), m_failing(failing) {}
    ~FakePropertyStore() {
        for (auto& [key, value] : m_values)
            PropVariantClear(&value);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetCount(DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAt(DWORD, PROPERTYKEY*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override {
        PropVariantInit(value);
        if (m_failing)
            return E_FAIL;
        for (const auto& [held, heldValue] : m_values)
            if (IsEqualPropertyKey(held, key))
                return PropVariantCopy(value, &heldValue);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY, REFPROPVARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Commit() override { return E_NOTIMPL; }

private:
    std::vector<std::pair<PROPERTYKEY, PROPVARIANT>> m_values;
    bool m_failing;
};

} // namespace

// The album artist names the track over its artists, else the first artist named does; track and disc
// come as numbers or as "3/12" text; a store that fails to answer gives no tags at all.
TEST(WindowsTagReader, ReadsWhatTheStoreHoldsInEitherForm) {
    FakePropertyStore both({{PKEY_Music_AlbumArtist, text(L" Album Artist ")},
                            {PKEY_Music_Artist, texts({L"First", L"Second"})},
                            {PKEY_Music_AlbumTitle, text(L"Album")},
                            {PKEY_Music_TrackNumber, number(3)},
                            {PKEY_Music_DiscNumber, number(2)}});
    EXPECT_EQ(tagsFromPropertyStore(both), (TrackTags{"Album Artist", "Album", 2, 3}));
    FakePropertyStore artists({{PKEY_Music_AlbumArtist, text(L" ")},
                               {PKEY_Music_Artist, texts({L"", L"Ünal", L"Third"})},
                               {PKEY_Music_TrackNumber, text(L"3/12")},
                               {PKEY_Music_DiscNumber, text(L"1/2")}});
    EXPECT_EQ(tagsFromPropertyStore(artists), (TrackTags{"Ünal", "", 1, 3}));
    FakePropertyStore noArtists({{PKEY_Music_Artist, texts({})}, {PKEY_Music_AlbumTitle, text(L"Ölüm")}});
    EXPECT_EQ(tagsFromPropertyStore(noArtists), (TrackTags{"", "Ölüm", 0, 0}));
    FakePropertyStore failing({{PKEY_Music_AlbumArtist, text(L"Artist")}}, true);
    EXPECT_EQ(tagsFromPropertyStore(failing), TrackTags{});
}

// Wine has no property store: there the reader gives up and the folders name the tracks. Where the
// system reads tags, the tags name them.
TEST(WindowsTagReader, TheSystemReadsTheTagsOrTheFoldersNameTheTracks) {
    test::TempFolder music;
    test::Id3Text tags;
    tags.artist = "Tag Artist";
    tags.album = "Tag Album";
    for (const char* file : {"b.mp3", "a.mp3"}) {
        tags.track = file[0] == 'b' ? "1" : "2";
        music.write(std::string("Folder Artist/Folder Album/") + file, test::taggedMp3(tags));
    }
    const std::unique_ptr<TagReader> reader = makeTagReader();
    MediaLibrary library;
    scanMusicFolder(music.str(), *reader, [&](LibraryTrack track, const ScanCounts&) { library.add(track); });
    const std::string a = music.str() + "\\Folder Artist\\Folder Album\\a.mp3";
    const std::string b = music.str() + "\\Folder Artist\\Folder Album\\b.mp3";
    if (reader->works()) {
        EXPECT_EQ(library.tracks("Tag Artist", "Tag Album"), (std::vector<std::string>{b, a}));
    } else {
        EXPECT_EQ(library.tracks("Folder Artist", "Folder Album"), (std::vector<std::string>{a, b}));
    }
    EXPECT_EQ(library.size(), 2u);
}

#endif
