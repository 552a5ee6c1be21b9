#pragma once
// The wire protocol between the module's socket connection and the application server.
//
// A client opens a TCP connection, names the remote data module it wants, then makes
// synchronous late-bound calls by method name, one at a time: it sends a call and waits for
// its reply before sending the next. Everything below is enough to write a client.
//
// BYTE ORDER. Every multi-byte integer is big-endian (network order).
//
// FRAMES. Each message travels in one frame: a 4-byte unsigned payload length, then the
// payload. The receiver refuses a declared length above its limit (64 MiB by default,
// kDefaultMaxFrameSize) as soon as it has read the four length bytes, and closes the
// connection. Until its module is open a connection may send frames of kOpeningMaxFrameSize
// at most: an OpenModule is small, and no one who has not opened a module makes the server
// buffer megabytes. A connection that ends inside a frame is an error. The first payload byte is
// the message type:
//
//   client -> server                         server -> client
//   0x01 OpenModule                          0x81 ModuleOpened
//   0x02 Call                                0x82 Result
//                                            0x83 RemoteException
//                                            0x84 Refused (the server then closes)
//                                            0x85 LoginRefused (the server then closes)
//
// VALUES. A value is a tag byte followed by its body:
//
//   0x00 empty (null)   no body
//   0x01 boolean        1 byte, 0x00 false or 0x01 true; any other byte is an error
//   0x02 integer        8 bytes, signed two's complement
//   0x03 string         4-byte length n, then n bytes of UTF-8 (invalid UTF-8 is an error)
//   0x04 bytes          4-byte length n, then n bytes (data packets and change lists)
//   0x05 array          4-byte count n, then n values; arrays nest at most 32 deep
//
// Unknown tags, lengths that run past the end of the payload and trailing bytes after the
// last expected value are errors.
//
// SESSION. The client's first message is OpenModule: 0x01, the protocol version byte 0x02,
// then three string values: the module name ("Ger99500.rdmTpOperFil"; matched without regard
// to case), the user and the password. The server answers ModuleOpened (0x81, its version
// byte 0x02); LoginRefused when it checks credentials and these are wrong, or when the
// client's address has failed too often of late (the answer to a wrong credential comes only
// after a pause); or Refused for another version, an unknown module or a server that is full.
// A server that checks no credentials (loopback, no password file) takes empty ones. A Call
// before the module is open, a second OpenModule or a malformed message also gets Refused.
//
// Version 0x01 had no user and password. A server of version 0x02 reads only the version byte
// of another version's OpenModule and refuses it with a message naming both versions.
//
// TRANSPORT. On loopback the frames travel over plain TCP. A server that listens on any other
// address does so only with TLS: the client starts a TLS handshake as soon as the connection
// is made, checks the server's certificate against the host name it dialled, and the frames
// travel inside it.
//
// CALL. 0x02, then the call record, as the platform's late-bound (IDispatch-style) call:
//
//   1 byte   call kind, 0x01 (method)
//   1 byte   argument count n (0 to 255)
//   1 byte   named-argument count, always 0x00
//   n bytes  one kind byte per argument, in argument order:
//              0x48 string by value
//              0xC8 string by reference (0x48 plus the by-reference bit 0x80)
//              0x0C variant by value
//   the method name in UTF-8 (1 to 255 bytes, no zero byte), then one 0x00 byte
//
// followed by the n argument values in argument order, each as a value (above). A string
// argument, by value or by reference, carries a string value (tag 0x03).
//
// REPLY. Result: 0x82, the result value, a 1-byte count m, then m string values: the final
// contents of the by-reference arguments, in argument order (m equals the number of 0xC8
// kind bytes of the call). RemoteException: 0x83 and a string value, the message of the
// exception that the method raised; the session stays open. Refused: 0x84 and a string
// value with the reason; LoginRefused likewise.
//
// EXAMPLE. GetTipoOperCli("0001", var "C1", var "", "S") is this frame (hex):
//
//   00 00 00 32                       payload length 50
//   02                                Call
//   01 04 00                          method; 4 arguments; 0 named
//   48 C8 C8 48                       by value, by reference, by reference, by value
//   47 65 74 54 69 70 6F 4F 70 65 72 43 6C 69 00      "GetTipoOperCli", zero byte
//   03 00 00 00 04 30 30 30 31        "0001"
//   03 00 00 00 02 43 31              "C1"
//   03 00 00 00 00                    ""
//   03 00 00 00 01 53                 "S"
//
// and a reply that returns the packet bytes AB CD and leaves "C1" and "07" in the two
// by-reference arguments:
//
//   00 00 00 17  82  04 00 00 00 02 AB CD  02  03 00 00 00 02 43 31  03 00 00 00 02 30 37

#include <QtGlobal>

namespace ger::protocol {

inline constexpr quint8 kVersion = 0x02;
inline constexpr quint32 kDefaultMaxFrameSize = 64u * 1024u * 1024u;
inline constexpr int kFrameHeaderSize = 4;
inline constexpr quint32 kOpeningMaxFrameSize = 64u * 1024u;
inline constexpr int kMaxArrayDepth = 32;
// Values decoded from one message, arrays and their elements included. A value of one byte
// on the wire (an empty one) takes some 32 bytes in memory: without this bound a 64 MiB frame
// of empty array elements would take 2 GiB. No method sends more than a few hundred.
inline constexpr int kMaxValuesPerMessage = 65536;
inline constexpr int kMaxArguments = 255;
inline constexpr int kMaxMethodNameBytes = 255;

enum class MessageType : quint8 {
    OpenModule = 0x01,
    Call = 0x02,
    ModuleOpened = 0x81,
    Result = 0x82,
    RemoteException = 0x83,
    Refused = 0x84,
    LoginRefused = 0x85,
};

enum class ValueTag : quint8 {
    Empty = 0x00,
    Boolean = 0x01,
    Integer = 0x02,
    String = 0x03,
    Bytes = 0x04,
    Array = 0x05,
};

inline constexpr quint8 kCallKindMethod = 0x01;
inline constexpr quint8 kByReferenceBit = 0x80;

} // namespace ger::protocol
