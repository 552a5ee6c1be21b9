// The checks the application server runs on a call's arguments before anything is written
// (appserver ArgumentRules, CodeList, MethodArguments), on texts from arbitrary bytes: byte 0
// picks a method's signature, the rest is split at every 0xFF byte (no UTF-8 text holds one)
// and its first ten pieces are read as UTF-8, each a text and, from its first byte, an argument.
//
// Each check is held against the rule it states, decided here without its code: a code is
// printable ASCII; a flag is S or N; an address kind is one of its letters; a code list is
// "T" or quoted codes joined by commas, each code once, at most CodeList::MaxCodes, and its
// JSON array (what the SQL reads) holds exactly its codes. MethodArguments takes a call built
// from the pieces exactly when it matches the method's signature.

#include "FuzzSupport.h"
#include "appserver/ArgumentRules.h"
#include "appserver/CodeList.h"
#include "appserver/EMethodFailure.h"
#include "appserver/MethodArguments.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <optional>

namespace {

using ger::fuzz::require;
using Kind = ger::CallArgument::Kind;

template <class Check> bool accepts(Check&& check) {
    try {
        check();
        return true;
    } catch (const ger::EMethodFailure& failure) {
        require(failure.code() == ger::ServerResultCode::InvalidArgument,
                "a refused argument is an invalid argument");
        require(!failure.Message().isEmpty(), "a refusal says why");
        return false;
    }
}

// Printable ASCII, and no blank at the end (Firebird would compare the code without it).
bool isCode(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7E; }) &&
           !text.endsWith(u' ');
}

void checkCode(const QString& text) {
    QString result;
    const bool accepted =
        accepts([&] { result = ger::ArgumentRules::Code(text, QStringLiteral("a filial")); });
    require(accepted == isCode(text),
            "a code is accepted exactly when it is printable ASCII ending in no blank");
    require(!accepted || result == text, "a code is taken as given");
}

void checkFlags(const QString& text) {
    const bool flag = text == u"S" || text == u"N";
    QString result;
    require(accepts([&] { result = ger::ArgumentRules::Flag(text, QStringLiteral("Liberado")); }) ==
                flag,
            "a flag is S or N");
    require(!flag || result == text, "a flag is taken as given");
    require(accepts([&] { ger::ArgumentRules::RequireClients(text); }) == (text == u"S"),
            "only clients (S) are served");
    for (const bool allowCompany : {false, true}) {
        const bool kind = (text.size() == 1 && QStringLiteral("PCEXTI").contains(text)) ||
                          (allowCompany && text == u"M");
        QVariant stored;
        const bool accepted =
            accepts([&] { stored = ger::ArgumentRules::AddressKind(text, allowCompany); });
        require(accepted == (text.isEmpty() || kind), "an address kind is one of its letters");
        if (accepted)
            require(text.isEmpty() ? stored.isNull() : stored.toString() == text,
                    "an address kind is stored as given, none as NULL");
    }
}

// The codes of a well-formed list, or nothing. A code may hold a comma.
std::optional<QStringList> listedCodes(const QString& text) {
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("'[^']+'(,'[^']+')*")));
    static const QRegularExpression quoted(QStringLiteral("'([^']+)'"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    QStringList codes;
    for (const QRegularExpressionMatch& match : quoted.globalMatch(text)) {
        const QString code = match.captured(1);
        if (!isCode(code))
            return std::nullopt;
        if (!codes.contains(code))
            codes.append(code);
    }
    if (codes.size() > ger::CodeList::MaxCodes)
        return std::nullopt;
    return codes;
}

void checkCodeList(const QString& text) {
    std::optional<ger::CodeList> list;
    accepts([&] { list = ger::CodeList::Parse(text, QStringLiteral("filiais")); });
    if (text == u"T") {
        require(list && list->isAll() && list->codes().isEmpty(), "T is the list of all");
        return;
    }
    const auto expected = listedCodes(text);
    require(list.has_value() == expected.has_value(),
            "a list is taken exactly when it is quoted codes joined by commas");
    if (!list)
        return;
    require(!list->isAll() && list->codes() == *expected, "a list holds its codes once, in order");
    const QJsonArray json = QJsonDocument::fromJson(list->json().toUtf8()).array();
    require(json.toVariantList() == QVariant(list->codes()).toList(),
            "the JSON array holds exactly the listed codes");
}

constexpr Kind V = Kind::String;
constexpr Kind R = Kind::StringByRef;

// The six signatures of the module's seven methods (appserver RdmTpOperFil), as the oracle
// reads them and as MethodArguments takes them.
const std::vector<Kind> kSignatures[] = {
    {V}, {V, V, V, V, V, R}, {V, R, R, V}, {V, R, V, V}, {Kind::Variant, R}, {R, R, R, R, R, V, R},
};

ger::MethodArguments argumentsFor(size_t signature, QList<ger::CallArgument>& call) {
    const QString method = QStringLiteral("Metodo");
    switch (signature) {
    case 0:
        return {method, call, {V}};
    case 1:
        return {method, call, {V, V, V, V, V, R}};
    case 2:
        return {method, call, {V, R, R, V}};
    case 3:
        return {method, call, {V, R, V, V}};
    case 4:
        return {method, call, {Kind::Variant, R}};
    default:
        return {method, call, {R, R, R, R, R, V, R}};
    }
}

// One argument from a piece: its first byte picks the kind and the value's type (a string
// argument that holds no string cannot come off the wire, but the check must refuse it all
// the same), the rest is the value.
ger::CallArgument argumentOf(const QByteArray& piece) {
    static const Kind kinds[] = {V, R, Kind::Variant};
    const quint8 choice = piece.isEmpty() ? 0 : quint8(piece[0]);
    const QByteArray rest = piece.mid(1);
    QVariant value;
    switch ((choice / 3) % 4) {
    case 0:
    case 1:
        value = QString::fromUtf8(rest);
        break;
    case 2:
        value = rest;
        break;
    default:
        break; // empty
    }
    return {kinds[choice % 3], value};
}

void checkMethodArguments(quint8 choice, const QList<QByteArray>& pieces) {
    const size_t which = choice % std::size(kSignatures);
    const std::vector<Kind>& signature = kSignatures[which];
    QList<ger::CallArgument> call;
    for (const QByteArray& piece : pieces)
        call.append(argumentOf(piece));
    bool matches = call.size() == qsizetype(signature.size());
    for (qsizetype i = 0; matches && i < call.size(); ++i)
        matches = call[i].kind == signature[size_t(i)] &&
                  (!call[i].isString() || call[i].value.typeId() == QMetaType::QString);

    std::optional<ger::MethodArguments> args;
    accepts([&] { args.emplace(argumentsFor(which, call)); });
    require(args.has_value() == matches, "a call is taken exactly when it has the signature");
    if (!args)
        return;
    for (qsizetype i = 0; i < call.size(); ++i) {
        const QVariant value = call[i].value;
        if (call[i].isString())
            require(args->text(int(i)) == value.toString(), "a string argument reads as sent");
        else
            require(accepts([&] { args->bytes(int(i)); }) ==
                        (value.typeId() == QMetaType::QByteArray),
                    "a variant argument reads as bytes exactly when it holds bytes");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // A call has at most 7 arguments; a few more pieces let a wrong count be tried.
    const QList<QByteArray> pieces =
        ger::fuzz::bytesOf(data + 1, size - 1).split('\xFF').mid(0, 10);
    for (const QByteArray& piece : pieces) {
        const QString text = QString::fromUtf8(piece);
        checkCode(text);
        checkFlags(text);
        checkCodeList(text);
    }
    checkMethodArguments(data[0], pieces);
    return 0;
}
