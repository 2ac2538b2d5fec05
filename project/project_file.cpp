#include "project/project_file.h"

#include <cstdint>
#include <string_view>
#include <type_traits>

#include "platform/files.h"

namespace {

// The fields of the header and of a record in file order. One list serves both the
// writer and the reader, so the two cannot drift apart.
template <typename Header, typename Visitor>
void VisitHeader(Header& h, Visitor& v) {
  v(h.Magic);
  v(h.Version);
  v(h.Com1Baud);
  v(h.Com1Handshake);
  v(h.Com1Parity);
  v(h.Com2Baud);
  v(h.Com2Handshake);
  v(h.Com2Parity);
  v(h.SaveStamp);
  v(h.FileInfo);
  v(h.Reserved);
}

template <typename Record, typename Visitor>
void VisitRecord(Record& r, Visitor& v) {
  v(r.RxCom1Len);
  v(r.RxCom1Cmd);
  v(r.RxCom1Info);
  v(r.BackAnswerNo);
  v(r.TransToNo);
  v(r.TxCom1BackLen);
  v(r.TxCom1BackCmd);
  v(r.TxCom1BackInfo);
  v(r.TxCom1Len);
  v(r.TxCom1Cmd);
  v(r.TxCom1Info);
  v(r.TxCom2Len);
  v(r.TxCom2Cmd);
  v(r.TxCom2Info);
  v(r.RxCom2Len);
  v(r.RxCom2Cmd);
  v(r.RxCom2Info);
  v(r.TransTo2No);
  v(r.StatusMatrix);
  v(r.Filter1Matrix);
  v(r.Filter2Matrix);
}

class FileWriter {
 public:
  template <typename Integer>
  requires std::is_integral_v<Integer>
  void operator()(Integer value) {
    const auto bits = static_cast<std::make_unsigned_t<Integer>>(value);
    for (std::size_t i = 0; i < sizeof(Integer); ++i) {
      bytes_ += static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
  }
  template <std::size_t N>
  void operator()(const FixedText<N>& text) {
    bytes_.append(text.bytes.begin(), text.bytes.end());
  }
  void operator()(const MatrixRow& row) { bytes_.append(row.begin(), row.end()); }

  std::string& bytes() { return bytes_; }

 private:
  std::string bytes_;
};

// Reads past the end of the image as zero bytes (the magic of a file shorter than it).
class FileReader {
 public:
  explicit FileReader(std::string_view bytes) : bytes_(bytes) {}

  template <typename Integer>
  requires std::is_integral_v<Integer>
  void operator()(Integer& value) {
    std::make_unsigned_t<Integer> bits = 0;
    for (std::size_t i = 0; i < sizeof(Integer); ++i) {
      bits |= static_cast<std::make_unsigned_t<Integer>>(NextByte()) << (8 * i);
    }
    value = static_cast<Integer>(bits);
  }
  template <std::size_t N>
  void operator()(FixedText<N>& text) {
    for (char& c : text.bytes) {
      c = static_cast<char>(NextByte());
    }
  }
  void operator()(MatrixRow& row) {
    for (std::uint8_t& cell : row) {
      cell = NextByte();
    }
  }

 private:
  std::uint8_t NextByte() {
    return position_ < bytes_.size() ? static_cast<std::uint8_t>(bytes_[position_++]) : 0;
  }

  std::string_view bytes_;
  std::size_t position_ = 0;
};

constexpr std::size_t kMagicSize = 4;

}  // namespace

std::string ProjectFileBytes(const ProjectHeader& header, const CommandRecordList& records) {
  FileWriter writer;
  writer.bytes().reserve(kProjectFileSize);
  VisitHeader(header, writer);
  for (const CommandRecord& record : records) {
    VisitRecord(record, writer);
  }
  return std::move(writer.bytes());
}

ProjectFileRead ReadProjectFile(const std::string& path, ProjectHeader& header,
                                CommandRecordList& records) {
  std::string bytes;
  if (!platform::ReadFileBytes(path, bytes, kProjectFileSize)) {
    return ProjectFileRead::Unreadable;
  }
  std::int32_t magic = 0;
  FileReader magicReader(bytes);
  magicReader(magic);
  if (bytes.size() < kMagicSize || magic != kProjectMagic) {
    return ProjectFileRead::NoMagic;
  }
  // Zeros in place of the missing bytes would pass for a project that was never saved.
  if (bytes.size() < kProjectFileSize) {
    return ProjectFileRead::Short;
  }
  FileReader reader(bytes);
  VisitHeader(header, reader);
  for (CommandRecord& record : records) {
    VisitRecord(record, reader);
  }
  return ProjectFileRead::Loaded;
}

ProjectFileRead ReadProjectFile(const std::string& path) {
  return ReadProjectFile(path, ProjHeader, CmdRecords);
}

bool WriteProjectFile(const std::string& path) {
  ProjHeader.Magic = kProjectMagic;
  ProjHeader.Version = kProjectVersion;
  return platform::WriteFileReplacing(path, ProjectFileBytes(ProjHeader, CmdRecords));
}
