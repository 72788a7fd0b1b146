#pragma once
// Text files in the encodings spreadsheets write: UTF-8 with or without a
// byte order mark, UTF-16 with one, and GB18030 (the superset of GBK that
// Chinese Excel writes) when the bytes are not UTF-8. The text is decoded to
// UTF-8 piece by piece while it is read (glibc's iconv).
#include <istream>
#include <memory>
#include <string>
#include <string_view>

// "UTF-8", "UTF-16LE", "UTF-16BE" or "GB18030", from the byte order mark or,
// without one, from whether the first bytes are UTF-8.
std::string GuessTextEncoding(std::string_view head);

// The bytes of `in` decoded from `encoding` as a UTF-8 stream, without the
// byte order mark. A byte sequence that is not text in that encoding makes
// the stream bad (see DecodingFailed).
class TDecodedStream : public std::istream {
public:
    TDecodedStream(std::istream& in, const std::string& encoding);
    ~TDecodedStream() override;
    bool DecodingFailed() const;

private:
    class TBuffer;
    std::unique_ptr<TBuffer> buffer_;
};
