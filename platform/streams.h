// Byte streams of the host framework: TStream and its file and memory forms.
//
// Read and Write move as many bytes as they can and return the count; ReadBuffer and WriteBuffer
// move all or raise EReadError "Stream read error" / EWriteError "Stream write error".
//
// TFileStream share modes are advisory locks (flock): fmShareDenyWrite takes a shared lock and
// fmShareExclusive an exclusive one, refused at once with EFOpenError when another holder
// conflicts. Only processes that take the same locks honour them.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace textcore {

enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

// Open modes and share modes of TFileStream, combined with "|" as the framework's were.
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;
constexpr uint16_t fmCreate = 0xFF00;

class TStream {
public:
  virtual ~TStream() = default;

  virtual int64_t Read(void *buffer, int64_t count) = 0;
  virtual int64_t Write(const void *buffer, int64_t count) = 0;
  // Returns the new position; a position before the start raises EStreamError.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  void ReadBuffer(void *buffer, int64_t count);
  void WriteBuffer(const void *buffer, int64_t count);

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t position) { Seek(position, soBeginning); }
  virtual int64_t Size();
  // Grows (zero-filled) or truncates the stream; the position is kept unless it falls past the end.
  virtual void SetSize(int64_t new_size) = 0;

  // Copies count bytes from source at its position (all of source from its start when count is
  // 0) and returns the count copied.
  int64_t CopyFrom(TStream &source, int64_t count);
};

class TFileStream : public TStream {
public:
  // mode is fmCreate (optionally | a share mode) or an fmOpen... value | a share mode. Raises
  // EFCreateError "Cannot create file \"%s\". %s" or EFOpenError "Cannot open file \"%s\". %s".
  TFileStream(const String &file_name, uint16_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream &) = delete;
  TFileStream &operator=(const TFileStream &) = delete;

  int64_t Read(void *buffer, int64_t count) override;
  int64_t Write(const void *buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t new_size) override;

  const String &FileName() const { return fFileName; }
  int Handle() const { return fHandle; }

protected:
  // Takes over an open descriptor, which the stream closes.
  struct TOpenHandle {
    int handle;
  };
  TFileStream(const String &file_name, TOpenHandle handle);

private:
  String fFileName;
  int fHandle = -1;
};

class TMemoryStream : public TStream {
public:
  TMemoryStream() = default;

  int64_t Read(void *buffer, int64_t count) override;
  int64_t Write(const void *buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(fData.size()); }
  void SetSize(int64_t new_size) override;

  void Clear();
  uint8_t *Memory() { return fData.data(); }
  const uint8_t *Memory() const { return fData.data(); }

  // Replaces the contents with all of stream (read from its start) or of the named file.
  void LoadFromStream(TStream &stream);
  void LoadFromFile(const String &file_name);
  // Writes the whole contents; SaveToFile replaces the file through a temporary sibling.
  void SaveToStream(TStream &stream) const;
  void SaveToFile(const String &file_name) const;

private:
  std::vector<uint8_t> fData;
  int64_t fPosition = 0;
};

// Reads until count bytes have come or the stream gives no more, and returns the count read: a
// stream may deliver a field in pieces, and only a short total means the stream ran out.
int64_t ReadFully(TStream &stream, void *buffer, int64_t count);

// The bytes between the position and the end, or -1 when the stream cannot tell (a stream that
// cannot seek). Readers of counts from outside check them against this before allocating.
int64_t BytesLeft(TStream &stream);

} // namespace textcore
