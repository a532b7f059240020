#include "core/steam/vdf.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace jukewright;

namespace {

// The tree in one line: key=value for a text, key{...} for a block, entries separated by ";".
std::string flat(const std::vector<VdfNode>& nodes) {
    std::string text;
    for (const VdfNode& node : nodes) {
        if (!text.empty())
            text += ';';
        text += node.key + (node.isBlock ? "{" + flat(node.children) + "}" : "=" + node.value);
    }
    return text;
}

} // namespace

TEST(Vdf, ReadsQuotedAndUnquotedTextsBlocksEscapesAndComments) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"// only a comment", ""},
        {R"("a" "1" "b" "2")", "a=1;b=2"},
        {"a 1\nb\t2", "a=1;b=2"},
        {R"("lib" { "0" { "path" "/x" } "1" "y" })", "lib{0{path=/x};1=y}"},
        {"lib{0{path /x}}", "lib{0{path=/x}}"},
        {R"("p" "C:\\Program Files\\Steam" "q" "say \"hi\"")", R"(p=C:\Program Files\Steam;q=say "hi")"},
        {R"("p" "D:\Games\new")", R"(p=D:\Games\new)"},
        {"\"a\" \"two\nlines\"", "a=two\nlines"},
        {"\"a\" // comment \"b\"\n\"1\"", "a=1"},
        {"a http://x/y", "a=http://x/y"},
        {R"("" "")", "="},
        {"\"a\" \"1\" [$WIN32]\n\"b\" { } [$LINUX]", "a=1;b{}"},
        {"\xEF\xBB\xBF\"k\" \"\xC3\xA9\"", "k=\xC3\xA9"},
    };
    for (const auto& [text, tree] : cases) {
        const VdfDocument document = parseVdf(text);
        EXPECT_FALSE(document.error) << text;
        EXPECT_EQ(flat(document.entries), tree) << text;
    }
}

TEST(Vdf, ABrokenTextNamesItsLineAndGivesNoEntries) {
    std::string deep;
    for (int i = 0; i < 100; ++i)
        deep += "k {\n";
    const std::tuple<std::string, int, std::string> cases[] = {
        {"\"a\" {\n\"b\" \"1\"\n", 1, "the block \"a\" opened here is not closed"},
        {"\"a\" \"1\"\n}", 2, "a '}' closes no block"},
        {"{ \"a\" \"1\" }", 1, "a block has no key before its '{'"},
        {"\"a\"", 1, "the key \"a\" has no value"},
        {"\"lib\" {\n\"a\"\n}", 2, "the key \"a\" has no value"},
        {"\"a\" \"1\"\n\"b\" \"open\n\n", 2, "a quoted text starting here is not closed"},
        {"\"a\" \"1\\\"", 1, "a quoted text starting here is not closed"},
        {std::string(1000, '{'), 1, "a block has no key before its '{'"},
        {deep, 65, "the blocks are nested too deeply"},
    };
    for (const auto& [text, line, reason] : cases) {
        const VdfDocument document = parseVdf(text);
        ASSERT_TRUE(document.error) << text;
        EXPECT_EQ(document.error->line, line) << text;
        EXPECT_EQ(document.error->reason, reason) << text;
        EXPECT_TRUE(document.entries.empty()) << text;
    }
}

TEST(Vdf, FindsKeysWhateverTheirCase) {
    const VdfDocument document = parseVdf(R"("LibraryFolders" { "Path" "/a" "path" "/b" })");
    const VdfNode* folders = document.entry("libraryfolders");
    ASSERT_NE(folders, nullptr);
    ASSERT_NE(folders->child("PATH"), nullptr);
    EXPECT_EQ(folders->child("PATH")->value, "/a") << "the first of equal keys";
    EXPECT_EQ(folders->child("apps"), nullptr);
    EXPECT_EQ(document.entry("missing"), nullptr);
}

// A file cut anywhere (a write that stopped half-way) is read whole, as nothing, or refused: never as
// part of its entries.
TEST(Vdf, AFileCutAnywhereIsNeverReadAsPartOfItself) {
    const std::string text = "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/p/.local/share/Steam\"\n"
                             "\t\t\"apps\" { \"70\" \"123\" } // Half-Life\n\t}\n\t\"1\" \"/mnt/games\"\n}\n";
    const std::string whole = flat(parseVdf(text).entries);
    ASSERT_EQ(whole, "libraryfolders{0{path=/home/p/.local/share/Steam;apps{70=123}};1=/mnt/games}");
    for (std::size_t length = 0; length <= text.size(); ++length) {
        const VdfDocument document = parseVdf(text.substr(0, length));
        const std::string tree = flat(document.entries);
        EXPECT_TRUE(document.error ? tree.empty() : tree.empty() || tree == whole) << length;
    }
}
