#pragma once
// Tolerant access to the JSON of profile files. A user's file may hold anything: a value
// of the wrong type reads as absent (0, false, empty text) and nothing here throws.
// Readers never change the document they read (no null members appear by reading);
// the writers make the containers they write into, replacing values of the wrong type.

#include <json/json.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorn::profiles {

// --- Reading -------------------------------------------------------------------------

// The member of an object; null pointer when object is no object, the key is missing or
// its value is null.
const Json::Value* findMember(const Json::Value& object, std::string_view key);
// Element index of an array; null pointer when array is no array, index is past its end
// or the element is null.
const Json::Value* findElement(const Json::Value& array, std::int64_t index);
// Members and elements that hold an object or an array; null pointer otherwise.
const Json::Value* findObject(const Json::Value& object, std::string_view key);
const Json::Value* findArray(const Json::Value& object, std::string_view key);
const Json::Value* findObjectAt(const Json::Value& array, std::int64_t index);
const Json::Value* findArrayAt(const Json::Value& array, std::int64_t index);

// A number as a 32-bit integer (integers beyond 32 bits keep their low 32 bits, fractions
// are cut off); 0 for a missing value or any other type.
std::int32_t readInt(const Json::Value* value);
// A flag: true for true and for any non-zero number; false otherwise.
bool readFlag(const Json::Value* value);
// A string's UTF-8 text; empty for a missing value or any other type.
std::string readText(const Json::Value* value);

inline std::int32_t intMember(const Json::Value& object, std::string_view key) {
    return readInt(findMember(object, key));
}
inline bool flagMember(const Json::Value& object, std::string_view key) {
    return readFlag(findMember(object, key));
}
inline std::string textMember(const Json::Value& object, std::string_view key) {
    return readText(findMember(object, key));
}

// --- Writing -------------------------------------------------------------------------

// Indexes taken from user data are written only up to this bound, so that a stray large
// number cannot make a writer fill an array with millions of nulls.
inline constexpr std::int64_t kMaxWritableIndex = 1023;
inline bool isWritableIndex(std::int64_t index) {
    return index >= 0 && index <= kMaxWritableIndex;
}

// value itself, turned into an empty object (array) first unless it is one.
Json::Value& asObject(Json::Value& value);
Json::Value& asArray(Json::Value& value);
// The member key of parent (parent made an object), made an object (array).
Json::Value& objectMember(Json::Value& parent, const char* key);
Json::Value& arrayMember(Json::Value& parent, const char* key);
// Element index of array (made an array; it grows with nulls up to index), made an
// object (array). index must satisfy isWritableIndex.
Json::Value& objectAt(Json::Value& array, std::int64_t index);
Json::Value& arrayAt(Json::Value& array, std::int64_t index);

// --- Records <-> objects -------------------------------------------------------------

// One member of a record and the key it is stored under. Flags read as 0 or 1 and are
// written as 0 or 1; numbers are cut to the field's width.
template <class Record, class Field>
struct FieldKey {
    const char* key;
    Field Record::*member;
    bool flag = false;
};

template <class Record, class Field, std::size_t N>
void readFields(const Json::Value& object, const FieldKey<Record, Field> (&table)[N],
                Record& record) {
    for (const FieldKey<Record, Field>& f : table) {
        const Json::Value* value = findMember(object, f.key);
        record.*f.member = f.flag ? static_cast<Field>(readFlag(value) ? 1 : 0)
                                  : static_cast<Field>(readInt(value));
    }
}

template <class Record, class Field, std::size_t N>
void writeFields(Json::Value& object, const FieldKey<Record, Field> (&table)[N],
                 const Record& record) {
    Json::Value& target = asObject(object);
    for (const FieldKey<Record, Field>& f : table) {
        const Field v = record.*f.member;
        target[f.key] = f.flag ? Json::Int(v != 0 ? 1 : 0) : static_cast<Json::Int>(v);
    }
}

}  // namespace vorn::profiles
