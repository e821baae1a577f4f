#include "profiles/JsonFields.h"

#include <cmath>
#include <limits>

namespace vorn::profiles {

const Json::Value* findMember(const Json::Value& object, std::string_view key) {
    if (!object.isObject()) {
        return nullptr;
    }
    const Json::Value* value = object.find(key.data(), key.data() + key.size());
    return value != nullptr && !value->isNull() ? value : nullptr;
}

const Json::Value* findElement(const Json::Value& array, std::int64_t index) {
    if (!array.isArray() || index < 0 || index >= static_cast<std::int64_t>(array.size())) {
        return nullptr;
    }
    const Json::Value& value = array[static_cast<Json::ArrayIndex>(index)];
    return value.isNull() ? nullptr : &value;
}

const Json::Value* findObject(const Json::Value& object, std::string_view key) {
    const Json::Value* value = findMember(object, key);
    return value != nullptr && value->isObject() ? value : nullptr;
}

const Json::Value* findArray(const Json::Value& object, std::string_view key) {
    const Json::Value* value = findMember(object, key);
    return value != nullptr && value->isArray() ? value : nullptr;
}

const Json::Value* findObjectAt(const Json::Value& array, std::int64_t index) {
    const Json::Value* value = findElement(array, index);
    return value != nullptr && value->isObject() ? value : nullptr;
}

const Json::Value* findArrayAt(const Json::Value& array, std::int64_t index) {
    const Json::Value* value = findElement(array, index);
    return value != nullptr && value->isArray() ? value : nullptr;
}

std::int32_t readInt(const Json::Value* value) {
    if (value == nullptr) {
        return 0;
    }
    if (value->isInt()) {
        return value->asInt();
    }
    if (value->isUInt64()) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value->asUInt64()));
    }
    if (value->isInt64()) {
        return static_cast<std::int32_t>(
            static_cast<std::uint32_t>(static_cast<std::uint64_t>(value->asInt64())));
    }
    if (value->isDouble()) {
        const double d = std::trunc(value->asDouble());
        if (d >= std::numeric_limits<std::int32_t>::min() &&
            d <= std::numeric_limits<std::int32_t>::max()) {
            return static_cast<std::int32_t>(d);
        }
    }
    return 0;
}

bool readFlag(const Json::Value* value) {
    if (value == nullptr) {
        return false;
    }
    if (value->isBool()) {
        return value->asBool();
    }
    return value->isNumeric() && value->asDouble() != 0.0;
}

std::string readText(const Json::Value* value) {
    return value != nullptr && value->isString() ? value->asString() : std::string();
}

Json::Value& asObject(Json::Value& value) {
    if (!value.isObject()) {
        value = Json::Value(Json::objectValue);
    }
    return value;
}

Json::Value& asArray(Json::Value& value) {
    if (!value.isArray()) {
        value = Json::Value(Json::arrayValue);
    }
    return value;
}

Json::Value& objectMember(Json::Value& parent, const char* key) {
    return asObject(asObject(parent)[key]);
}

Json::Value& arrayMember(Json::Value& parent, const char* key) {
    return asArray(asObject(parent)[key]);
}

Json::Value& objectAt(Json::Value& array, std::int64_t index) {
    return asObject(asArray(array)[static_cast<Json::ArrayIndex>(index)]);
}

Json::Value& arrayAt(Json::Value& array, std::int64_t index) {
    return asArray(asArray(array)[static_cast<Json::ArrayIndex>(index)]);
}

}  // namespace vorn::profiles
