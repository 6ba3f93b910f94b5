// TUsefulBaseListObject, the base of every record object that a TUsefulBaseList holds, and
// TUsefulBaseListObjectClass, the class reference through which a list makes blank records.
//
// A record object reads and writes its own bytes; the list writes the count around them. A
// blank record (made by the class reference) has every field zero or empty until ReadFromStream
// fills it.
#pragma once

#include "platform/object.h"
#include "platform/streams.h"

#include <memory>
#include <type_traits>

namespace textcore {

class TUsefulBaseListObject : public TObject {
public:
  TUsefulBaseListObject() = default;

  // Fill the record from Stream; the base reads nothing and succeeds.
  virtual bool ReadFromStream(TStream &Stream);
  // Write the record to Stream; the base writes nothing and succeeds.
  virtual bool SaveToStream(TStream &Stream);
};

// Stands for one record class: makes blank records of it and tells whether an object is one of
// them (or of a class derived from it). Of<T>() names the class T.
class TUsefulBaseListObjectClass {
public:
  template <typename T> static TUsefulBaseListObjectClass Of() {
    static_assert(std::is_base_of_v<TUsefulBaseListObject, T>, "records derive from the base");
    static_assert(std::is_default_constructible_v<T>, "a blank record needs no arguments");
    return TUsefulBaseListObjectClass(
        [] { return std::unique_ptr<TUsefulBaseListObject>(new T()); },
        [](const TUsefulBaseListObject *record) {
          return dynamic_cast<const T *>(record) != nullptr;
        });
  }

  std::unique_ptr<TUsefulBaseListObject> CreateBlank() const { return fCreate(); }
  bool IsClassOf(const TUsefulBaseListObject *Record) const { return fIsA(Record); }

private:
  using CreateFunction = std::unique_ptr<TUsefulBaseListObject> (*)();
  using IsAFunction = bool (*)(const TUsefulBaseListObject *);

  TUsefulBaseListObjectClass(CreateFunction Create, IsAFunction IsA) : fCreate(Create), fIsA(IsA) {}

  CreateFunction fCreate;
  IsAFunction fIsA;
};

} // namespace textcore
