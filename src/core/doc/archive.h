#pragma once
// The binary archive of show files: little-endian primitives, length-prefixed strings,
// and records tagged with their class name the first time their class occurs.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/model/cobject.h"
#include "core/util/types.h"

namespace px {

// A file that does not follow the archive scheme: damaged, truncated or foreign.
class ArchiveFormatError : public std::runtime_error {
 public:
  explicit ArchiveFormatError(const char* what) : std::runtime_error(what) {}
};

class CArchive {
 public:
  // Makes the object for a class name read from the file; null for a class the show never stores.
  using Factory = std::function<std::unique_ptr<CObject>(const std::string& className)>;

  // An archive that appends to an in-memory buffer.
  CArchive();
  // An archive that reads the given bytes; they must outlive the archive.
  CArchive(std::span<const std::uint8_t> bytes, Factory factory);

  bool IsStoring() const { return m_bStoring; }
  bool IsLoading() const { return !m_bStoring; }
  const std::vector<std::uint8_t>& Bytes() const { return m_out; }
  size_t BytesLeft() const { return m_in.size() - m_pos; }

  // Primitives. Integers stored as WORD lose all but their low 16 bits.
  void WriteWord(std::uint16_t v);
  void WriteDword(std::uint32_t v);
  void WriteLong(std::int32_t v) { WriteDword(static_cast<std::uint32_t>(v)); }
  void WriteDouble(double v);
  void WriteBytes(const void* data, size_t n);
  std::uint16_t ReadWord();
  std::uint32_t ReadDword();
  std::int32_t ReadLong() { return static_cast<std::int32_t>(ReadDword()); }
  double ReadDouble();

  // Symmetric transfers: write the member when storing, read it when loading.
  void XferWord(int& v);
  void XferBoolW(int& v);  // written 0 or 1; any non-zero word reads as 1
  void XferLong(int& v);
  void XferDword(COLORREF& v);
  void XferDouble(double& v);
  void XferPoint(CPoint& p, bool wordCoordinates = false);
  void XferRect(CRect& r, bool wordCoordinates = false);
  void XferString(std::string& s);

  // A list count: one WORD below 0xFFFF, else 0xFFFF and a DWORD. On reading, a count that
  // cannot fit in the bytes left (each element needs at least minElementBytes) is refused.
  void WriteCount(size_t n);
  size_t ReadCount(size_t minElementBytes);
  // Refuses a declared element count that the rest of the file cannot hold.
  void CheckFits(size_t count, size_t minElementBytes) const;
  // Arrays that a record sizes but the file does not fill (slot arrays, spare vertex room)
  // draw on one budget of the file's size plus 65536 entries: an honest file may reserve
  // more room than it has bytes left, but a damaged one cannot make the reader allocate more
  // than a small multiple of its own size.
  void ClaimEntries(size_t count);

  // Records. Writing a null pointer writes the null tag.
  void WriteObject(const CObject* obj);
  // Reads one record tag and, for a new object, its data. Back-references return the
  // object already read (owned elsewhere) in `existing`; null records return neither.
  // A new object of a class that `accepts` refuses is refused before its data is read, so a
  // damaged file cannot nest records inside each other without end.
  struct ReadResult {
    std::unique_ptr<CObject> fresh;
    CObject* existing = nullptr;
  };
  using Accepts = bool (*)(const CObject&);
  ReadResult ReadObject(Accepts accepts = nullptr);

  // Writes or reads a list of records of type T, owned by the vector.
  template <class T>
  void XferList(std::vector<std::unique_ptr<T>>& list);

  // Writes or reads a list of strings.
  void XferStringList(std::vector<std::string>& list);

 private:
  void Need(size_t n) const;
  std::string ReadStringBody(size_t n, bool wide);

  bool m_bStoring;
  std::vector<std::uint8_t> m_out;
  std::span<const std::uint8_t> m_in;
  size_t m_pos = 0;
  size_t m_nClaimBudget = 0;
  Factory m_factory;

  // Shared index counter of classes and objects; index 0 is the null record.
  std::uint32_t m_nMapCount = 1;
  std::unordered_map<const CObject*, std::uint32_t> m_storedObjects;
  std::unordered_map<std::string, std::uint32_t> m_storedClasses;
  struct LoadedEntry {
    std::string className;  // set for a class entry
    CObject* object = nullptr;  // set for an object entry
  };
  std::vector<LoadedEntry> m_loaded{LoadedEntry{}};
};

template <class T>
void CArchive::XferList(std::vector<std::unique_ptr<T>>& list) {
  if (IsStoring()) {
    WriteCount(list.size());
    for (const auto& item : list) WriteObject(item.get());
    return;
  }
  const size_t count = ReadCount(2);  // a record takes at least its two-byte tag
  for (size_t i = 0; i < count; ++i) {
    ReadResult r = ReadObject([](const CObject& o) { return dynamic_cast<const T*>(&o) != nullptr; });
    // A null record or a second reference to a record already in the show adds nothing:
    // a record must never be owned twice.
    if (!r.fresh) continue;
    T* typed = dynamic_cast<T*>(r.fresh.get());
    if (!typed) throw ArchiveFormatError("record of the wrong class in a list");
    r.fresh.release();
    list.emplace_back(typed);
  }
}

}  // namespace px
