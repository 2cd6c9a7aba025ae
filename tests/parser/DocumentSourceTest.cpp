// Where documents' bytes come from: gzip files inflated as they are read, folders as the pages
// that list them, and the anchor part of a name.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "html/parser/DocumentSource.h"
#include "html/parser/FolderListing.h"
#include "html/parser/GzipBytes.h"
#include "html/parser/MemoryBytes.h"
#include "html/support/Errors.h"
#include "tests/parser/Compressed.h"

namespace {

std::string Inflated(const std::string& compressed, std::size_t piece = 65536,
                     std::size_t readSize = 4096) {
  TGzipBytes gzip(std::make_unique<TMemoryBytes>(compressed, piece));
  std::string out, block(readSize, '\0');
  while (const std::size_t got = gzip.Read(block.data(), block.size())) out.append(block, 0, got);
  return out;
}

// Text that does not compress to nothing.
std::string Varied(std::size_t size) {
  std::mt19937 random(7);
  std::string text;
  while (text.size() < size)
    text += "word" + std::to_string(random() % 100000) + (random() % 9 ? " " : "\n");
  return text;
}

struct TFolder {
  TFolder() {
    Path = testing::TempDir() + "tamblin-folder-" + std::to_string(::getpid());
    std::filesystem::remove_all(Path);
    std::filesystem::create_directories(Path);
  }
  ~TFolder() { std::filesystem::remove_all(Path); }
  void File(const std::string& name, const std::string& bytes = "") const {
    std::ofstream(Path + "/" + name, std::ios::binary) << bytes;
  }
  void Folder(const std::string& name) const {
    std::filesystem::create_directories(Path + "/" + name);
  }
  std::string Path;
};

}  // namespace

TEST(GzipBytes, InflatesWhateverThePiecesAndMembers) {
  const std::string text = Varied(300000);
  const std::string compressed = Gzip(text);
  EXPECT_EQ(Inflated(compressed), text);
  // One compressed byte at a time, and reads of one byte, give the same.
  EXPECT_EQ(Inflated(compressed, 1, 1), text);
  // Members one after another are one content, also when a member's mark is split between
  // two pieces of the file.
  const std::string first = Gzip("first part, "), second = Gzip("second part");
  EXPECT_EQ(Inflated(first + second), "first part, second part");
  EXPECT_EQ(Inflated(first + second, first.size() + 1), "first part, second part");
  // Bytes that are no gzip data are passed on as they are.
  EXPECT_EQ(Inflated("<p>not compressed"), "<p>not compressed");
  EXPECT_EQ(Inflated("\x1F"), "\x1F");
  EXPECT_EQ(Inflated(""), "");

  // A rewind (the source reader reads twice) starts from the first byte again.
  TGzipBytes gzip(std::make_unique<TMemoryBytes>(compressed, 1000));
  char block[1000];
  ASSERT_EQ(gzip.Read(block, sizeof block), sizeof block);
  gzip.Rewind();
  std::string again;
  while (const std::size_t got = gzip.Read(block, sizeof block)) again.append(block, got);
  EXPECT_TRUE(again == text);
}

TEST(GzipBytes, DamageEndsTheContentWhereItStands) {
  const std::string text = Varied(200000);
  const std::string compressed = Gzip(text);
  // Cut short: a part from the start, never more than there was.
  const std::string cut = Inflated(compressed.substr(0, compressed.size() / 2));
  EXPECT_GT(cut.size(), text.size() / 4);
  EXPECT_TRUE(cut == text.substr(0, cut.size()));
  // Corrupt in the middle: what came before the fault is there; what inflates from the damage
  // until it is seen is no more than a bounded read.
  std::string corrupt = compressed;
  for (std::size_t i = corrupt.size() / 2; i < corrupt.size() / 2 + 64; ++i) corrupt[i] = '\xFF';
  const std::string damaged = Inflated(corrupt);
  EXPECT_TRUE(damaged.substr(0, text.size() / 4) == text.substr(0, text.size() / 4));
  EXPECT_LT(damaged.size(), 2 * text.size());
  // A damaged header gives nothing.
  std::string header = compressed;
  header[2] = 9;  // no such method
  EXPECT_EQ(Inflated(header), "");
}

TEST(GzipBytes, AFileMadeToInflateWithoutEndStopsAtTheBound) {
  // 100 MB of one letter compresses to about 100 KB.
  z_stream stream{};
  ASSERT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY), Z_OK);
  std::string bomb(1 << 20, '\0'), block(1 << 20, 'a');
  stream.next_out = reinterpret_cast<Bytef*>(bomb.data());
  stream.avail_out = uInt(bomb.size());
  for (int i = 0; i < 100; ++i) {
    stream.next_in = reinterpret_cast<Bytef*>(block.data());
    stream.avail_in = uInt(block.size());
    ASSERT_EQ(deflate(&stream, i == 99 ? Z_FINISH : Z_NO_FLUSH), i == 99 ? Z_STREAM_END : Z_OK);
  }
  bomb.resize(stream.total_out);
  deflateEnd(&stream);
  TGzipBytes gzip(std::make_unique<TMemoryBytes>(bomb, 65536));
  std::uint64_t total = 0;
  std::string chunk(1 << 20, '\0');
  while (const std::size_t got = gzip.Read(chunk.data(), chunk.size())) total += got;
  EXPECT_EQ(total, TGzipBytes::MaxInflatedBytes);
}

TEST(DocumentSource, NamesChooseTheSource) {
  TFolder folder;
  folder.File("page.html.GZ", Gzip("<p>inflated"));
  folder.File("plain.gz.html", "plain");
  folder.File("a#b.htm", "x");
  const auto readAll = [](TByteSource& source) {
    std::string out;
    char block[256];
    while (const std::size_t got = source.Read(block, sizeof block)) out.append(block, got);
    return out;
  };
  EXPECT_EQ(readAll(*OpenDocumentSource(folder.Path + "/page.html.GZ")), "<p>inflated");
  EXPECT_EQ(readAll(*OpenDocumentSource(folder.Path + "/plain.gz.html")), "plain");
  EXPECT_NE(readAll(*OpenDocumentSource(folder.Path)).find("<title>Index of "), std::string::npos);
  EXPECT_THROW(OpenDocumentSource(folder.Path + "/missing.htm"), EInOutError);

  // A "#" starts the anchor only where the name before it is no document.
  EXPECT_EQ(AnchorMark(folder.Path + "/a#b.htm"), std::string::npos);
  EXPECT_EQ(AnchorMark(folder.Path + "/a#b.htm#c"), folder.Path.size() + 8);
  EXPECT_EQ(AnchorMark(folder.Path + "#x"), folder.Path.size());
  EXPECT_EQ(AnchorMark("/missing#one#two"), 8u);
}

TEST(FolderListing, FoldersFirstByNameKeepingOnlyTheFirst) {
  TFolder folder;
  for (const char* name : {"b.txt", "A.htm", "c.png", "a.htm"}) folder.File(name, "12345");
  folder.Folder("zeta");
  folder.Folder("Alpha");
  const TFolderContents all = ReadFolder(folder.Path);
  std::vector<std::string> names;
  for (const TFolderEntry& entry : all.Entries) names.push_back(entry.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "zeta", "A.htm", "a.htm", "b.txt", "c.png"}));
  EXPECT_TRUE(all.Entries[0].Folder);
  EXPECT_FALSE(all.Entries[0].Size);
  EXPECT_EQ(all.Entries[2].Size, 5u);
  EXPECT_TRUE(all.Entries[2].Modified);
  EXPECT_EQ(all.Unlisted, 0u);

  // Kept to the first three of the same order, the rest counted.
  const TFolderContents some = ReadFolder(folder.Path, 3);
  ASSERT_EQ(some.Entries.size(), 3u);
  EXPECT_EQ(some.Entries[2].Name, "A.htm");
  EXPECT_EQ(some.Unlisted, 3u);
  const std::string page = FolderListingPage(folder.Path, some);
  EXPECT_NE(page.find("3 more entries are not listed"), std::string::npos);
  EXPECT_FALSE(ReadFolder(folder.Path + "/missing").Readable);
}

TEST(FolderListing, NamesAreShownAsThemselvesAndLinkedByTheirBytes) {
  TFolderContents contents;
  contents.Entries = {{"sub dir", true, {}, {}},
                      {"<b>&\".html", false, 1536, {}},
                      {"%41#?:x.htm", false, 0, {}},
                      {"caf\xE9.txt", false, 3 << 20, {}}};
  const std::string page = FolderListingPage("/data/it's here", contents);
  // The folder: a title and a base the links are taken in.
  EXPECT_NE(page.find("<title>Index of /data/it's here/</title>"), std::string::npos);
  EXPECT_NE(page.find("<base href=\"file:///data/it%27s%20here/\">"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"../\">"), std::string::npos);
  // Each entry: an escaped link, its name as text (Latin-1 bytes as their letters), its size.
  EXPECT_NE(page.find("<a href=\"./sub%20dir/\">sub dir/</a>"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"./%3Cb%3E%26%22.html\">&lt;b&gt;&amp;&quot;.html</a>"
                      "</td><td align=right>1.5 KB"),
            std::string::npos);
  EXPECT_NE(
      page.find("<a href=\"./%2541%23%3F%3Ax.htm\">%41#?:x.htm</a></td><td align=right>0 bytes"),
      std::string::npos);
  EXPECT_NE(page.find("<a href=\"./caf%E9.txt\">caf\xC3\xA9.txt</a></td><td align=right>3.0 MB"),
            std::string::npos);
  EXPECT_NE(page.find("1 folder, 3 files."), std::string::npos);
  // The root has no folder above it.
  EXPECT_EQ(FolderListingPage("/", {}).find("href=\"../\""), std::string::npos);
}
