#ifdef _WIN32

#include "core/system/file_tags_windows.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>
// These need windows.h before them.
#include <propkey.h>

using namespace jukewright;

namespace {

constexpr VARTYPE Texts = VT_VECTOR | VT_LPWSTR;

// One value of a store: a number (VT_UI4), a text (VT_LPWSTR) or a list of texts.
struct Held {
    PROPERTYKEY key;
    VARTYPE type;
    std::vector<std::wstring> texts;
    ULONG number = 0;
};

LPWSTR copied(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    return static_cast<LPWSTR>(memcpy(CoTaskMemAlloc(bytes), text.c_str(), bytes));
}

// A file's property store: the values it is given, an empty value for any other key (as the system's
// stores answer), or, failing, an error for every question. It lives on the test's stack.
class FakePropertyStore : public IPropertyStore {
public:
    explicit FakePropertyStore(std::vector<Held> values, bool failing = false)
        : m_values(std::move(values)), m_failing(failing) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetCount(DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAt(DWORD, PROPERTYKEY*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY, REFPROPVARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Commit() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override {
        PropVariantInit(value);
        for (const Held& held : m_values) {
            if (m_failing || !IsEqualPropertyKey(held.key, key))
                continue;
            value->vt = held.type;
            if (held.type == VT_UI4)
                value->ulVal = held.number;
            else if (held.type == VT_LPWSTR)
                value->pwszVal = copied(held.texts.at(0));
            else
                value->calpwstr = {0, static_cast<LPWSTR*>(CoTaskMemAlloc(sizeof(LPWSTR) * (held.texts.size() + 1)))};
            for (std::size_t i = 0; held.type == Texts && i < held.texts.size(); ++i)
                value->calpwstr.pElems[value->calpwstr.cElems++] = copied(held.texts[i]);
        }
        return m_failing ? E_FAIL : S_OK;
    }

private:
    std::vector<Held> m_values;
    bool m_failing;
};

} // namespace

// The album artist names the track over its artists, else the first artist named does; track and disc
// come as numbers or as "3/12" text; a store that fails to answer gives no tags at all.
TEST(WindowsTagReader, ReadsWhatTheStoreHoldsInEitherForm) {
    FakePropertyStore both({{PKEY_Music_AlbumArtist, VT_LPWSTR, {L" Album Artist "}},
                            {PKEY_Music_Artist, Texts, {L"First", L"Second"}},
                            {PKEY_Music_AlbumTitle, VT_LPWSTR, {L"Album"}},
                            {PKEY_Music_TrackNumber, VT_UI4, {}, 3},
                            {PKEY_Music_DiscNumber, VT_UI4, {}, 2}});
    EXPECT_EQ(tagsFromPropertyStore(both), (TrackTags{"Album Artist", "Album", 2, 3}));
    FakePropertyStore artists({{PKEY_Music_AlbumArtist, VT_LPWSTR, {L" "}},
                               {PKEY_Music_Artist, Texts, {L"", L"Ünal", L"Third"}},
                               {PKEY_Music_TrackNumber, VT_LPWSTR, {L"3/12"}},
                               {PKEY_Music_DiscNumber, VT_LPWSTR, {L"1/2"}}});
    EXPECT_EQ(tagsFromPropertyStore(artists), (TrackTags{"Ünal", "", 1, 3}));
    FakePropertyStore noArtists({{PKEY_Music_Artist, Texts, {}}, {PKEY_Music_AlbumTitle, VT_LPWSTR, {L"Ölüm"}}});
    EXPECT_EQ(tagsFromPropertyStore(noArtists), (TrackTags{"", "Ölüm", 0, 0}));
    FakePropertyStore failing({{PKEY_Music_AlbumArtist, VT_LPWSTR, {L"Artist"}}}, true);
    EXPECT_EQ(tagsFromPropertyStore(failing), TrackTags{});
}

#endif
