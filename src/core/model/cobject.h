#pragma once
// The common base of every record stored through the archive's object scheme.

namespace px {

class CArchive;

class CObject {
 public:
  virtual ~CObject() = default;
  // The class name written in the file the first time a record of this class occurs.
  virtual const char* GetRuntimeClassName() const = 0;
  virtual void Serialize(CArchive& ar) = 0;
};

}  // namespace px
