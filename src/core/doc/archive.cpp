#include "core/doc/archive.h"

#include <cstring>

#include "core/util/cp1252.h"

namespace px {
namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;
constexpr size_t kMaxClassNameLength = 64;
constexpr std::uint32_t kMaxTableSize = 0x7FFFFFFEu;

}  // namespace

CArchive::CArchive() : m_bStoring(true) {}

CArchive::CArchive(std::span<const std::uint8_t> bytes, Factory factory)
    : m_bStoring(false), m_in(bytes), m_nClaimBudget(bytes.size() + 0x10000), m_factory(std::move(factory)) {}

void CArchive::Need(size_t n) const {
  if (n > BytesLeft()) throw ArchiveFormatError("unexpected end of file");
}

void CArchive::CheckFits(size_t count, size_t minElementBytes) const {
  if (minElementBytes == 0) minElementBytes = 1;
  if (count > BytesLeft() / minElementBytes) throw ArchiveFormatError("count exceeds the file");
}

void CArchive::ClaimEntries(size_t count) {
  if (count > m_nClaimBudget) throw ArchiveFormatError("arrays exceed the file");
  m_nClaimBudget -= count;
}

void CArchive::WriteBytes(const void* data, size_t n) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  m_out.insert(m_out.end(), p, p + n);
}

void CArchive::WriteWord(std::uint16_t v) {
  const std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
  WriteBytes(b, 2);
}

void CArchive::WriteDword(std::uint32_t v) {
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                             static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
  WriteBytes(b, 4);
}

void CArchive::WriteDouble(double v) {
  std::uint64_t bits = 0;
  static_assert(sizeof bits == sizeof v);
  std::memcpy(&bits, &v, sizeof v);
  WriteDword(static_cast<std::uint32_t>(bits));
  WriteDword(static_cast<std::uint32_t>(bits >> 32));
}

std::uint16_t CArchive::ReadWord() {
  Need(2);
  const std::uint16_t v = static_cast<std::uint16_t>(m_in[m_pos] | (m_in[m_pos + 1] << 8));
  m_pos += 2;
  return v;
}

std::uint32_t CArchive::ReadDword() {
  Need(4);
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | m_in[m_pos + static_cast<size_t>(i)];
  m_pos += 4;
  return v;
}

double CArchive::ReadDouble() {
  const std::uint64_t lo = ReadDword();
  const std::uint64_t hi = ReadDword();
  const std::uint64_t bits = lo | (hi << 32);
  double v = 0;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

void CArchive::XferWord(int& v) {
  if (IsStoring())
    WriteWord(static_cast<std::uint16_t>(v));
  else
    v = ReadWord();
}

void CArchive::XferBoolW(int& v) {
  if (IsStoring())
    WriteWord(v ? 1 : 0);
  else
    v = ReadWord() != 0 ? 1 : 0;
}

void CArchive::XferLong(int& v) {
  if (IsStoring())
    WriteLong(v);
  else
    v = ReadLong();
}

void CArchive::XferDword(COLORREF& v) {
  if (IsStoring())
    WriteDword(v);
  else
    v = ReadDword();
}

void CArchive::XferDouble(double& v) {
  if (IsStoring())
    WriteDouble(v);
  else
    v = ReadDouble();
}

void CArchive::XferPoint(CPoint& p, bool wordCoordinates) {
  if (wordCoordinates) {
    XferWord(p.x);
    XferWord(p.y);
  } else {
    XferLong(p.x);
    XferLong(p.y);
  }
}

void CArchive::XferRect(CRect& r, bool wordCoordinates) {
  CPoint a{r.left, r.top}, b{r.right, r.bottom};
  XferPoint(a, wordCoordinates);
  XferPoint(b, wordCoordinates);
  r = CRect{a.x, a.y, b.x, b.y};
}

void CArchive::XferString(std::string& s) {
  if (IsStoring()) {
    const size_t n = s.size();
    if (n < 0xFF) {
      const std::uint8_t b = static_cast<std::uint8_t>(n);
      WriteBytes(&b, 1);
    } else {
      const std::uint8_t ff = 0xFF;
      WriteBytes(&ff, 1);
      if (n < 0xFFFE) {
        WriteWord(static_cast<std::uint16_t>(n));
      } else {
        WriteWord(0xFFFF);
        WriteDword(static_cast<std::uint32_t>(n));
      }
    }
    WriteBytes(s.data(), n);
    return;
  }
  bool wide = false;
  for (;;) {
    Need(1);
    const std::uint8_t b = m_in[m_pos++];
    if (b < 0xFF) {
      s = ReadStringBody(b, wide);
      return;
    }
    const std::uint16_t w = ReadWord();
    if (w == 0xFFFE) {
      // Marker of a wide-character string: the length follows once more.
      if (wide) throw ArchiveFormatError("repeated wide-string marker");
      wide = true;
      continue;
    }
    s = ReadStringBody(w == 0xFFFF ? ReadDword() : w, wide);
    return;
  }
}

std::string CArchive::ReadStringBody(size_t n, bool wide) {
  const size_t unit = wide ? 2 : 1;
  CheckFits(n, unit);
  std::string out;
  out.reserve(n);
  if (wide) {
    for (size_t i = 0; i < n; ++i) out += Utf16UnitToCp1252(static_cast<char16_t>(ReadWord()));
  } else {
    out.assign(reinterpret_cast<const char*>(m_in.data() + m_pos), n);
    m_pos += n;
  }
  return out;
}

void CArchive::WriteCount(size_t n) {
  if (n < 0xFFFF) {
    WriteWord(static_cast<std::uint16_t>(n));
  } else {
    WriteWord(0xFFFF);
    WriteDword(static_cast<std::uint32_t>(n));
  }
}

size_t CArchive::ReadCount(size_t minElementBytes) {
  size_t n = ReadWord();
  if (n == 0xFFFF) n = ReadDword();
  CheckFits(n, minElementBytes);
  return n;
}

void CArchive::XferStringList(std::vector<std::string>& list) {
  if (IsStoring()) {
    WriteCount(list.size());
    for (auto& s : list) XferString(s);
    return;
  }
  const size_t count = ReadCount(1);
  for (size_t i = 0; i < count; ++i) {
    std::string s;
    XferString(s);
    list.push_back(std::move(s));
  }
}

void CArchive::WriteObject(const CObject* obj) {
  if (!obj) {
    WriteWord(kNullTag);
    return;
  }
  if (auto it = m_storedObjects.find(obj); it != m_storedObjects.end()) {
    if (it->second < kBigObjectTag) {
      WriteWord(static_cast<std::uint16_t>(it->second));
    } else {
      WriteWord(kBigObjectTag);
      WriteDword(it->second);
    }
    return;
  }
  const std::string className = obj->GetRuntimeClassName();
  if (auto it = m_storedClasses.find(className); it != m_storedClasses.end()) {
    if (it->second < kBigObjectTag) {
      WriteWord(static_cast<std::uint16_t>(kClassTag | it->second));
    } else {
      WriteWord(kBigObjectTag);
      WriteDword(kBigClassTag | it->second);
    }
  } else {
    WriteWord(kNewClassTag);
    WriteWord(0);  // schema
    WriteWord(static_cast<std::uint16_t>(className.size()));
    WriteBytes(className.data(), className.size());
    m_storedClasses.emplace(className, m_nMapCount++);
  }
  m_storedObjects.emplace(obj, m_nMapCount++);
  const_cast<CObject*>(obj)->Serialize(*this);
}

CArchive::ReadResult CArchive::ReadObject(Accepts accepts) {
  const std::uint16_t tag = ReadWord();
  std::uint32_t objTag = 0;
  std::string className;
  if (tag == kNewClassTag) {
    const std::uint16_t schema = ReadWord();
    const std::uint16_t len = ReadWord();
    if (len > kMaxClassNameLength) throw ArchiveFormatError("class name too long");
    Need(len);
    className.assign(reinterpret_cast<const char*>(m_in.data() + m_pos), len);
    m_pos += len;
    if (schema != 0) throw ArchiveFormatError("unknown schema");
    if (m_nMapCount >= kMaxTableSize) throw ArchiveFormatError("table full");
    m_loaded.push_back(LoadedEntry{className, nullptr});
    ++m_nMapCount;
  } else {
    objTag = tag == kBigObjectTag ? ReadDword()
                                  : ((static_cast<std::uint32_t>(tag & kClassTag) << 16) | (tag & 0x7FFF));
    if (objTag & kBigClassTag) {
      const std::uint32_t classIndex = objTag & ~kBigClassTag;
      if (classIndex == 0 || classIndex >= m_loaded.size() || m_loaded[classIndex].className.empty())
        throw ArchiveFormatError("bad class index");
      className = m_loaded[classIndex].className;
    } else {
      if (objTag == 0) return {};
      if (objTag >= m_loaded.size() || m_loaded[objTag].object == nullptr)
        throw ArchiveFormatError("bad object index");
      return ReadResult{nullptr, m_loaded[objTag].object};
    }
  }
  std::unique_ptr<CObject> obj = m_factory ? m_factory(className) : nullptr;
  if (!obj) throw ArchiveFormatError("unknown class");
  if (accepts && !accepts(*obj)) throw ArchiveFormatError("record of the wrong class in a list");
  if (m_nMapCount >= kMaxTableSize) throw ArchiveFormatError("table full");
  m_loaded.push_back(LoadedEntry{{}, obj.get()});
  ++m_nMapCount;
  obj->Serialize(*this);
  return ReadResult{std::move(obj), nullptr};
}

}  // namespace px
