#include "postal/postal_index_file.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <system_error>

#include "settings/file_errors.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kMagic = "RUVO-ZIP";
// Sources are a few lines of file names.
constexpr std::uint32_t kMaxSourcesBytes = 1u << 16;

template <typename T>
void AppendValue(std::string& out, const T& value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T>
void AppendArray(std::string& out, const std::vector<T>& values) {
  out.append(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T));
}

struct Sizes {
  std::uint64_t text = 0;
  std::uint64_t items = 0;
  std::uint64_t keyOrder = 0;
  std::uint64_t counties = 0;
};

// Reads what the file holds in order, each piece checked against what is
// left of the file.
class IndexReader {
 public:
  IndexReader(const std::filesystem::path& file) : file_(file), in_(file, std::ios::binary) {
    if (!in_) throw settings::FileReadError(file, errno == 0 ? ENOENT : errno);
    std::error_code error;
    left_ = std::filesystem::file_size(file, error);
    if (error) throw settings::FileReadError(file, error.value());
    if (left_ > kMaxPostalIndexBytes) Damaged("larger than any postal-code index");
  }

  template <typename T>
  T Value() {
    T value{};
    Bytes(reinterpret_cast<char*>(&value), sizeof value);
    return value;
  }

  template <typename T>
  void Array(std::vector<T>& values, std::uint64_t count) {
    if (count > left_ / sizeof(T)) Damaged("cut short");
    values.resize(count);
    Bytes(reinterpret_cast<char*>(values.data()), count * sizeof(T));
  }

  void Text(std::string& text, std::uint64_t size) {
    if (size > left_) Damaged("cut short");
    text.resize(size);
    Bytes(text.data(), size);
  }

  bool AtEnd() const { return left_ == 0; }

  [[noreturn]] void Damaged(std::string_view why) const {
    throw PostalIndexError(settings::PathText(file_) + ": " + std::string(why));
  }

 private:
  void Bytes(char* data, std::uint64_t size) {
    if (size > left_) Damaged("cut short");
    if (!in_.read(data, static_cast<std::streamsize>(size))) Damaged("cut short");
    left_ -= size;
  }

  std::filesystem::path file_;
  std::ifstream in_;
  std::uint64_t left_ = 0;
};

// Reads the header up to the sizes; the sources into `sources`.
Sizes ReadHeader(IndexReader& reader, std::string& sources, std::size_t itemSize) {
  std::string magic;
  reader.Text(magic, kMagic.size());
  if (magic != kMagic) reader.Damaged("no postal-code index");
  if (reader.Value<std::uint32_t>() != kPostalIndexVersion) {
    reader.Damaged("a postal-code index of another version");
  }
  if (reader.Value<std::uint32_t>() != itemSize)
    reader.Damaged("a postal-code index of another machine");
  const auto sourcesSize = reader.Value<std::uint32_t>();
  if (sourcesSize > kMaxSourcesBytes) reader.Damaged("damaged");
  reader.Text(sources, sourcesSize);
  return {reader.Value<std::uint64_t>(), reader.Value<std::uint64_t>(),
          reader.Value<std::uint64_t>(), reader.Value<std::uint64_t>()};
}

}  // namespace

std::string PostalIndexCodec::Encode(const PostalDirectory& directory, std::string_view sources) {
  std::string out(kMagic);
  AppendValue(out, kPostalIndexVersion);
  AppendValue(out, static_cast<std::uint32_t>(sizeof(PostalDirectory::Item)));
  AppendValue(out, static_cast<std::uint32_t>(sources.size()));
  out += sources;
  const Sizes sizes{directory.text_.size(), directory.items_.size(), directory.keyOrder_.size(),
                    directory.counties_.size()};
  AppendValue(out, sizes.text);
  AppendValue(out, sizes.items);
  AppendValue(out, sizes.keyOrder);
  AppendValue(out, sizes.counties);
  out += directory.text_;
  AppendArray(out, directory.items_);
  AppendArray(out, directory.keyOrder_);
  AppendArray(out, directory.counties_);
  return out;
}

PostalIndex PostalIndexCodec::Read(const std::filesystem::path& file) {
  IndexReader reader(file);
  PostalIndex index;
  const Sizes sizes = ReadHeader(reader, index.sources, sizeof(PostalDirectory::Item));
  PostalDirectory& directory = index.directory;
  reader.Text(directory.text_, sizes.text);
  reader.Array(directory.items_, sizes.items);
  reader.Array(directory.keyOrder_, sizes.keyOrder);
  reader.Array(directory.counties_, sizes.counties);
  if (!reader.AtEnd() || !directory.Sound()) reader.Damaged("damaged");
  return index;
}

std::string PostalIndexCodec::SourcesOf(const std::filesystem::path& file) {
  try {
    IndexReader reader(file);
    std::string sources;
    ReadHeader(reader, sources, sizeof(PostalDirectory::Item));
    return sources;
  } catch (const std::exception&) {
    return {};
  }
}

bool PostalDirectory::Sound() const {
  const auto within = [this](std::uint64_t offset, std::uint64_t size) {
    return offset <= text_.size() && size <= text_.size() - offset;
  };
  for (const Item& item : items_) {
    const bool texts = within(item.address, item.addressSize) &&
                       within(item.office, item.officeSize) && within(item.key, item.keySize) &&
                       within(item.building, item.buildingSize);
    const bool parts = std::uint64_t{item.partPrefecture} + item.partCounty <= item.addressSize &&
                       item.citySize <= item.keySize && item.county <= counties_.size();
    if (!texts || !parts) return false;
  }
  for (const std::uint32_t entry : keyOrder_) {
    if (entry >= items_.size()) return false;
  }
  for (const Span& county : counties_) {
    if (!within(county.offset, county.size)) return false;
  }
  return keyOrder_.size() == items_.size();
}

}  // namespace ruvo::postal
