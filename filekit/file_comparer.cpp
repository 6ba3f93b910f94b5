// TFileComparer's two passes, each over one chunk-sized buffer per file.
#include "filekit/file_comparer.h"

#include "core/yield.h"
#include "filekit/message_names.h"
#include "platform/dir_search.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/streams.h"
#include "platform/ui_services.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace filekit {

using textcore::String;

namespace {

constexpr int64_t kChunkSize = TFileComparer::kChunkSize;

// The largest float below 100: the most a comparison gives once it has found a difference, however
// small that difference is beside the size of the files (100 - 100 / L rounds to 100 in single
// precision from L of about 13 million bytes).
constexpr float kBelowFull = 100.0f - 0x1p-17f;

// One file under comparison, open for reading whoever else has it open, and what the system
// tells of the file that was opened (not of whatever the name points to a moment later).
struct TComparedFile {
  explicit TComparedFile(const String &name)
      : stream(name, textcore::fmOpenRead | textcore::fmShareDenyNone) {
    if (fstat(stream.Handle(), &status) != 0)
      textcore::RaiseLastOSError();
    attributes = textcore::AttributesOf(status.st_mode, textcore::ExtractFileName(name));
  }

  int64_t Size() const { return static_cast<int64_t>(status.st_size); }

  textcore::TFileStream stream;
  struct stat status {};
  int32_t attributes = 0;
};

bool SameTime(const timespec &a, const timespec &b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

float DifferenceFound(double percent) {
  return std::min(static_cast<float>(std::max(percent, 0.0)), kBelowFull);
}

// The share of a file of size bytes compared before round, halves rounded to even.
int32_t ProgressBefore(int64_t round, int64_t size) {
  return static_cast<int32_t>(
      std::nearbyint(static_cast<double>(round * kChunkSize * 100) / static_cast<double>(size)));
}

// The bytes of a stream from its start, handed out one at a time from a buffer refilled a chunk
// at a time, yielding once per chunk.
class TByteReader {
public:
  TByteReader(textcore::TStream &stream, int64_t size)
      : fStream(stream), fBuffer(static_cast<size_t>(std::clamp<int64_t>(size, 1, kChunkSize))) {
    fStream.SetPosition(0);
  }

  // Reads the next chunk when the buffer is used up.
  bool AtEnd() { return fNext == fCount && !Refill(); }
  // The next byte; only when not AtEnd().
  uint8_t Peek() const { return fBuffer[fNext]; }
  void Advance() {
    if (!AtEnd())
      ++fNext;
  }
  // Moves past CR, LF and zero bytes.
  void SkipLineEnds() {
    while (!AtEnd() && (Peek() == 0x0D || Peek() == 0x0A || Peek() == 0x00))
      ++fNext;
  }
  // The offset of the next byte in the stream.
  int64_t Position() const { return fBase + static_cast<int64_t>(fNext); }

private:
  bool Refill() {
    if (fEnded)
      return false;
    textcore::MyYieldProcess();
    fBase += static_cast<int64_t>(fCount);
    fNext = 0;
    fCount = static_cast<size_t>(
        textcore::ReadFully(fStream, fBuffer.data(), static_cast<int64_t>(fBuffer.size())));
    fEnded = fCount == 0;
    return !fEnded;
  }

  textcore::TStream &fStream;
  std::vector<uint8_t> fBuffer;
  size_t fNext = 0;
  size_t fCount = 0;
  int64_t fBase = 0;
  bool fEnded = false;
};

// The bytes of both files from the start, over the length of the smaller one, a chunk at a time
// until the first difference: 100 less the share of that length after the first differing byte.
float ByteComparison(TComparedFile &file1, TComparedFile &file2,
                     const TOnCheckingFilechunkEvent &progress) {
  const int64_t length = std::min(file1.Size(), file2.Size());
  if (length == 0)
    return file1.Size() == file2.Size() ? 100 : 0;
  const size_t buffer_size = static_cast<size_t>(std::min(length, kChunkSize));
  std::vector<uint8_t> chunk1(buffer_size), chunk2(buffer_size);
  int64_t matched = 0;
  bool differs = false;
  for (int64_t round = 0; round <= length / kChunkSize && !differs; ++round) {
    textcore::MyYieldProcess();
    const int64_t n = std::min(kChunkSize, length - round * kChunkSize);
    if (n == 0)
      continue;
    file2.stream.ReadBuffer(chunk2.data(), n);
    file1.stream.ReadBuffer(chunk1.data(), n);
    if (progress)
      progress(ProgressBefore(round, file2.Size()));
    const int64_t equal =
        std::mismatch(chunk1.begin(), chunk1.begin() + n, chunk2.begin()).first - chunk1.begin();
    differs = equal < n;
    // The first differing byte counts as matched, as the suite has always counted it.
    matched += differs ? equal + 1 : n;
  }
  if (!differs)
    return 100;
  matched = std::min(matched, length - 1);
  return DifferenceFound(100.0 - static_cast<double>(length - matched) * 100.0 /
                                     static_cast<double>(length));
}

// Both files from the start with CR, LF and zero bytes skipped, until either ends: 100 when the
// other bytes agree, else the offset in File1 of the first that differs as a share of the length
// of the smaller file.
float LineEndInsensitiveComparison(TComparedFile &file1, TComparedFile &file2) {
  TByteReader reader1(file1.stream, file1.Size());
  TByteReader reader2(file2.stream, file2.Size());
  const int64_t length = std::min(file1.Size(), file2.Size());
  if (length == 0) {
    // An empty file matches only a file of line ends and zero bytes alone.
    TByteReader &other = file1.Size() == 0 ? reader2 : reader1;
    other.SkipLineEnds();
    return other.AtEnd() ? 100 : 0;
  }
  for (;;) {
    reader1.SkipLineEnds();
    reader2.SkipLineEnds();
    if (reader1.AtEnd() || reader2.AtEnd())
      return 100;
    if (reader1.Peek() != reader2.Peek())
      return DifferenceFound(static_cast<double>(reader1.Position()) * 100.0 /
                             static_cast<double>(length));
    reader1.Advance();
    reader2.Advance();
  }
}

} // namespace

TFileComparer::TFileComparer(textcore::TComponent *AOwner) : TComponent(AOwner) {}

float TFileComparer::PercentMatching(bool IgnoreCRLF) {
  fAttribs_match = fDates_match = fSizes_match = fContents_match = false;
  CRLFs_were_ignored = false;
  if (!textcore::FileExists(fFile1) || !textcore::FileExists(fFile2))
    return 0;
  float result = 0;
  {
    TComparedFile file1(fFile1);
    TComparedFile file2(fFile2);
    fAttribs_match = file1.attributes == file2.attributes;
    fDates_match = SameTime(file1.status.st_mtim, file2.status.st_mtim);
    fSizes_match = file1.Size() == file2.Size();
    result = ByteComparison(file1, file2, fOncheck);
    if (result < kMatchThreshold && IgnoreCRLF) {
      CRLFs_were_ignored = true;
      result = LineEndInsensitiveComparison(file1, file2);
    }
  }
  fContents_match = result >= kMatchThreshold;
  if (!fsilent_comparison)
    ShowVerdict();
  return result;
}

void TFileComparer::ShowVerdict() const {
  textcore::TMessageBoxRequest box;
  box.caption = _QMComparison;
  box.text = fFile1 + String(fContents_match ? _QMMatches : _QMDoesnTMatch) + fFile2;
  box.kind = fContents_match ? textcore::mtInformation : textcore::mtWarning;
  textcore::ShowMessageBox(box);
}

} // namespace filekit
