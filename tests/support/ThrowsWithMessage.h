#pragma once
// Matchers on the message of an exception. The platform's exceptions carry their message as a
// QString (Message()); these matchers see it as UTF-8 std::string, so gmock's string matchers
// apply, and a failure prints the message that was thrown, or says that nothing was:
//
//   EXPECT_THAT([&] { DataPacket::Decode(bytes); },
//               ThrowsWithMessage<EDatabaseError>(HasSubstr("not a data packet")));
//   EXPECT_THAT([&] { cds.Post(); },
//               ThrowsWithMessage<EDatabaseError>("cdsTpOperFil.Post: Dataset not in edit..."));
//
// HasMessage<E> matches the exception object, to combine with other properties of it:
//
//   Throws<EMethodFailure>(AllOf(Property(&EMethodFailure::code, InvalidArgument),
//                                HasMessage<EMethodFailure>(HasSubstr("filiais"))))

#include <QString>
#include <gmock/gmock.h>
#include <string>
#include <utility>

namespace ger::test {

template <class E, class M> testing::Matcher<const E&> HasMessage(M&& matcher) {
    return testing::ResultOf(
        "message", [](const E& e) { return e.Message().toStdString(); },
        testing::MatcherCast<std::string>(std::forward<M>(matcher)));
}

// A callable that throws E (or an exception derived from it) whose message matches `matcher`.
template <class E, class M> auto ThrowsWithMessage(M&& matcher) {
    return testing::Throws<E>(HasMessage<E>(std::forward<M>(matcher)));
}

} // namespace ger::test
