#include "FormDataEquality.h"

#include <cstring>

namespace ger::fuzz {
namespace {

bool sameProperties(const std::vector<FormDataProperty>& a, const std::vector<FormDataProperty>& b);

bool sameNumber(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0; // -0.0 apart from 0.0
}

bool sameValue(const FormDataValue& a, const FormDataValue& b) {
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
    case FormDataValue::Kind::Integer:
        return a.integer == b.integer;
    case FormDataValue::Kind::Float:
        return sameNumber(a.number, b.number);
    case FormDataValue::Kind::String:
    case FormDataValue::Kind::Identifier:
        return a.text == b.text;
    case FormDataValue::Kind::Set:
    case FormDataValue::Kind::List:
        return a.items == b.items;
    case FormDataValue::Kind::Collection:
        if (a.collection.size() != b.collection.size())
            return false;
        for (size_t i = 0; i < a.collection.size(); ++i)
            if (!sameProperties(a.collection[i].properties, b.collection[i].properties))
                return false;
        return true;
    case FormDataValue::Kind::Binary:
        return a.binary == b.binary;
    }
    return false;
}

bool sameProperties(const std::vector<FormDataProperty>& a,
                    const std::vector<FormDataProperty>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || !sameValue(a[i].value, b[i].value))
            return false;
    return true;
}

} // namespace

bool sameFormData(const FormDataObject& a, const FormDataObject& b) {
    if (a.kind != b.kind || a.name != b.name || a.className != b.className ||
        !sameProperties(a.properties, b.properties) || a.children.size() != b.children.size())
        return false;
    for (size_t i = 0; i < a.children.size(); ++i)
        if (!sameFormData(a.children[i], b.children[i]))
            return false;
    return true;
}

} // namespace ger::fuzz
