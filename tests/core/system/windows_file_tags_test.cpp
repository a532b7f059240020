// The Windows tag reader: what it makes of a property store's values, and what it does on this system.
#ifdef _WIN32

#include "core/library/media_library.h"
#include "core/library/music_scan.h"
#include "core/system/file_tags_windows.h"
#include "support/fixtures.h"
#include "support/tagged_mp3.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>
// These need windows.h before them.
#include <propkey.h>

using namespace jukewright;

namespace {

// A value of the kinds the property system hands over; it clears itself when it goes.
class Value {
public:
    Value() { PropVariantInit(&m_value); }
    ~Value() { PropVariantClear(&m_value); }
    Value(const Value& other) : Value() { PropVariantCopy(&m_value, &other.m_value); }
    Value& operator=(const Value&) = delete;

    static Value text(const wchar_t* text) {
        Value value;
        value.m_value.vt = VT_LPWSTR;
        value.m_value.pwszVal = copied(text);
        return value;
    }
    static Value texts(const std::vector<const wchar_t*>& texts) {
        Value value;
        value.m_value.vt = VT_VECTOR | VT_LPWSTR;
        value.m_value.calpwstr.cElems = static_cast<ULONG>(texts.size());
        value.m_value.calpwstr.pElems = static_cast<LPWSTR*>(CoTaskMemAlloc(sizeof(LPWSTR) * (texts.size() + 1)));
        for (std::size_t i = 0; i < texts.size(); ++i)
            value.m_value.calpwstr.pElems[i] = copied(texts[i]);
        return value;
    }
    static Value number(ULONG number) {
        Value value;
        value.m_value.vt = VT_UI4;
        value.m_value.ulVal = number;
        return value;
    }

    const PROPVARIANT& get() const { return m_value; }

private:
    static LPWSTR copied(const wchar_t* text) {
        const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
        auto* copy = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
        memcpy(copy, text, bytes);
        return copy;
    }

    PROPVARIANT m_value;
};

using Key = std::pair<GUID, DWORD>;
Key keyOf(const PROPERTYKEY& key) {
    return {key.fmtid, key.pid};
}

struct KeyOrder {
    bool operator()(const Key& a, const Key& b) const {
        return memcmp(&a.first, &b.first, sizeof(GUID)) < 0 ||
               (memcmp(&a.first, &b.first, sizeof(GUID)) == 0 && a.second < b.second);
    }
};

// A file's property store as a test lays it out: the values it holds, an empty value for any other
// key (as the system's stores answer), or a failure for every question.
class FakePropertyStore : public IPropertyStore {
public:
    void set(const PROPERTYKEY& key, const Value& value) { m_values.emplace(keyOf(key), value); }
    bool failing = false;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id != IID_IUnknown && id != IID_IPropertyStore) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    // Lives on the test's stack.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetCount(DWORD* count) override {
        *count = static_cast<DWORD>(m_values.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetAt(DWORD, PROPERTYKEY*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override {
        PropVariantInit(value);
        if (failing)
            return E_FAIL;
        const auto found = m_values.find(keyOf(key));
        return found == m_values.end() ? S_OK : PropVariantCopy(value, &found->second.get());
    }
    HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY, REFPROPVARIANT) override { return STG_E_ACCESSDENIED; }
    HRESULT STDMETHODCALLTYPE Commit() override { return STG_E_ACCESSDENIED; }

private:
    std::map<Key, Value, KeyOrder> m_values;
};

} // namespace

// The album artist names the track over its artists; without one the first named artist does; track
// and disc come as numbers or as "3/12" text.
TEST(WindowsTagReader, TakesTheAlbumArtistElseTheFirstArtistAndNumbersOfEitherKind) {
    FakePropertyStore both;
    both.set(PKEY_Music_AlbumArtist, Value::text(L" Album Artist "));
    both.set(PKEY_Music_Artist, Value::texts({L"First", L"Second"}));
    both.set(PKEY_Music_AlbumTitle, Value::text(L"Album"));
    both.set(PKEY_Music_TrackNumber, Value::number(3));
    both.set(PKEY_Music_DiscNumber, Value::number(2));
    EXPECT_EQ(tagsFromPropertyStore(both), (TrackTags{"Album Artist", "Album", 2, 3}));

    FakePropertyStore artistsOnly;
    artistsOnly.set(PKEY_Music_AlbumArtist, Value::text(L"  "));
    artistsOnly.set(PKEY_Music_Artist, Value::texts({L"", L"Ünal", L"Third"}));
    artistsOnly.set(PKEY_Music_AlbumTitle, Value::text(L"Ölüm"));
    artistsOnly.set(PKEY_Music_TrackNumber, Value::text(L"3/12"));
    artistsOnly.set(PKEY_Music_DiscNumber, Value::text(L"1/2"));
    EXPECT_EQ(tagsFromPropertyStore(artistsOnly), (TrackTags{"Ünal", "Ölüm", 1, 3}));

    FakePropertyStore noArtists;
    noArtists.set(PKEY_Music_Artist, Value::texts({}));
    noArtists.set(PKEY_Music_AlbumTitle, Value::text(L"Album"));
    noArtists.set(PKEY_Music_TrackNumber, Value::text(L"none"));
    EXPECT_EQ(tagsFromPropertyStore(noArtists), (TrackTags{"", "Album", 0, 0}));
}

TEST(WindowsTagReader, AStoreThatFailsToAnswerGivesEmptyTags) {
    FakePropertyStore store;
    store.set(PKEY_Music_AlbumArtist, Value::text(L"Artist"));
    store.set(PKEY_Music_AlbumTitle, Value::text(L"Album"));
    store.failing = true;
    EXPECT_EQ(tagsFromPropertyStore(store), TrackTags{});
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
    const ScanCounts counts =
        scanMusicFolder(music.str(), *reader, [&](LibraryTrack track, const ScanCounts&) { library.add(track); });
    EXPECT_EQ(counts.filesRead, 2u);
    const std::string folder = music.str() + "\\Folder Artist\\Folder Album\\";
    if (reader->works()) {
        EXPECT_EQ(library.artists(), std::vector<std::string>{"Tag Artist"});
        EXPECT_EQ(library.tracks("Tag Artist", "Tag Album"),
                  (std::vector<std::string>{folder + "b.mp3", folder + "a.mp3"}));
    } else {
        EXPECT_EQ(library.artists(), std::vector<std::string>{"Folder Artist"});
        EXPECT_EQ(library.tracks("Folder Artist", "Folder Album"),
                  (std::vector<std::string>{folder + "a.mp3", folder + "b.mp3"}));
    }
}

#endif
