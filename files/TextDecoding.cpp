#include "TextDecoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <streambuf>
#include <vector>

#include "FileError.h"
#include "Utf8Text.h"

std::string GuessTextEncoding(std::string_view head)
{
    if (head.starts_with("\xEF\xBB\xBF"))
        return "UTF-8";
    if (head.starts_with("\xFF\xFE"))
        return "UTF-16LE";
    if (head.starts_with("\xFE\xFF"))
        return "UTF-16BE";
    // The head may end inside a character: up to three bytes of it are dropped.
    for (std::size_t cut = 0; cut < 4 && cut <= head.size(); ++cut)
        if (IsValidUtf8(head.substr(0, head.size() - cut)))
            return "UTF-8";
    return "GB18030";
}

class TDecodedStream::TBuffer : public std::streambuf {
public:
    TBuffer(std::istream& in, const std::string& encoding) : in_(in)
    {
        if (encoding != "UTF-8") {
            const iconv_t opened = iconv_open("UTF-8", encoding.c_str());
            // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv's failure value
            if (opened == reinterpret_cast<iconv_t>(-1))
                throw TFileError("不支持的编码“" + encoding + "”");
            converter_ = opened;
        }
        skipBom_ = true;
    }
    ~TBuffer() override
    {
        if (converter_)
            iconv_close(*converter_);
    }
    bool Failed() const { return failed_; }

protected:
    int_type underflow() override
    {
        while (gptr() == egptr()) {
            if (!Refill())
                return traits_type::eof();
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    bool Refill()
    {
        if (failed_ || (ended_ && pending_.empty()))
            return false;
        if (!ended_) {
            char piece[1 << 16];
            in_.read(piece, sizeof piece);
            const auto got = static_cast<std::size_t>(in_.gcount());
            pending_.insert(pending_.end(), piece, piece + got);
            ended_ = got < sizeof piece;
        }
        out_.clear();
        if (!converter_) {
            out_.swap(pending_);
        } else {
            out_.resize(pending_.size() * 2 + 16);
            char* from = pending_.data();
            std::size_t fromLeft = pending_.size();
            char* to = out_.data();
            std::size_t toLeft = out_.size();
            const std::size_t done = iconv(*converter_, &from, &fromLeft, &to, &toLeft);
            // EINVAL: a character continues in the next piece; at the end it is broken.
            if (done == static_cast<std::size_t>(-1) && (errno == EILSEQ || (errno == EINVAL && ended_))) {
                failed_ = true;
                return false;
            }
            out_.resize(out_.size() - toLeft);
            pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(from - pending_.data()));
        }
        std::size_t start = 0;
        if (skipBom_ && out_.size() >= 3) {
            if (std::memcmp(out_.data(), "\xEF\xBB\xBF", 3) == 0)
                start = 3;
            skipBom_ = false;
        } else if (skipBom_ && ended_) {
            skipBom_ = false;
        }
        setg(out_.data() + start, out_.data() + start, out_.data() + out_.size());
        return true;
    }

    std::istream& in_;
    std::optional<iconv_t> converter_;  // none for UTF-8, which is read as it is
    std::vector<char> pending_, out_;
    bool ended_ = false, failed_ = false, skipBom_ = false;
};

TDecodedStream::TDecodedStream(std::istream& in, const std::string& encoding)
    : std::istream(nullptr),
      buffer_(std::make_unique<TBuffer>(in, encoding))
{
    rdbuf(buffer_.get());
}

TDecodedStream::~TDecodedStream() = default;

bool TDecodedStream::DecodingFailed() const { return buffer_->Failed(); }
