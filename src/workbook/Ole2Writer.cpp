#include "workbook/Ole2Writer.h"

#include <fcntl.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-utils.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace velmora {
namespace {

// Streams below this size would go to the compound file's mini stream,
// which some readers of workbooks refuse for the workbook stream.
constexpr std::size_t kMinimumStreamSize = 4096;

std::string ErrnoText() {
    return std::strerror(errno);
}

}  // namespace

struct Ole2Writer::Gsf {
    GsfOutput* sink = nullptr;
    GsfOutfile* outfile = nullptr;
    GsfOutput* stream = nullptr;
    std::size_t written = 0;

    ~Gsf() {
        if (stream != nullptr) {
            if (!gsf_output_is_closed(stream)) {
                gsf_output_close(stream);
            }
            g_object_unref(stream);
        }
        if (outfile != nullptr) {
            if (!gsf_output_is_closed(GSF_OUTPUT(outfile))) {
                gsf_output_close(GSF_OUTPUT(outfile));
            }
            g_object_unref(outfile);
        }
        if (sink != nullptr) {
            if (!gsf_output_is_closed(sink)) {
                gsf_output_close(sink);
            }
            g_object_unref(sink);
        }
    }
};

class Ole2Writer::StreamSink final : public ByteSink {
public:
    explicit StreamSink(Ole2Writer& owner) : owner_(owner) {}
    void write(const std::uint8_t* data, std::size_t size) override {
        if (size == 0) {
            return;
        }
        if (!gsf_output_write(owner_.gsf_->stream, size, data)) {
            const GError* error = gsf_output_error(owner_.gsf_->stream);
            owner_.fail(std::string("cannot write: ") +
                        (error != nullptr ? error->message : ErrnoText().c_str()));
        }
        owner_.gsf_->written += size;
    }

private:
    Ole2Writer& owner_;
};

Ole2Writer::Ole2Writer(std::filesystem::path target, const std::string& streamName)
    : target_(std::move(target)) {
    static const bool initialised = [] {
        gsf_init();
        return true;
    }();
    (void)initialised;

    std::filesystem::path folder = target_.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string pattern = (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        fail("cannot create a file in " + folder.string() + ": " + ErrnoText());
    }
    temporary_ = name.data();

    // The finished file gets the old target's permissions, or the usual ones
    // for a new file rather than mkstemp's owner-only mode.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target_.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) {
        ::close(fd);
        discard();
        fail("cannot set the permissions of " + temporary_.string() + ": " + ErrnoText());
    }
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        ::close(fd);
        discard();
        fail("cannot open " + temporary_.string() + ": " + ErrnoText());
    }

    gsf_ = std::make_unique<Gsf>();
    gsf_->sink = gsf_output_stdio_new_FILE(temporary_.c_str(), file_, TRUE);
    if (gsf_->sink == nullptr) {
        discard();
        fail("cannot start the compound file");
    }
    gsf_->outfile = gsf_outfile_msole_new(gsf_->sink);
    if (gsf_->outfile == nullptr) {
        discard();
        fail("cannot start the compound file");
    }
    gsf_->stream = gsf_outfile_new_child(gsf_->outfile, streamName.c_str(), FALSE);
    if (gsf_->stream == nullptr) {
        discard();
        fail("cannot create the stream " + streamName);
    }
    sink_ = std::make_unique<StreamSink>(*this);
}

Ole2Writer::~Ole2Writer() {
    if (!committed_) {
        discard();
    }
}

ByteSink& Ole2Writer::stream() {
    if (!gsf_) {
        fail("the writer is already closed");
    }
    return *sink_;
}

void Ole2Writer::commit() {
    if (!gsf_) {
        fail("the writer is already closed");
    }
    if (gsf_->written < kMinimumStreamSize) {
        const std::vector<std::uint8_t> padding(kMinimumStreamSize - gsf_->written, 0);
        sink_->write(padding.data(), padding.size());
    }
    const auto closeFailed = [&](GsfOutput* output) {
        const GError* error = gsf_output_error(output);
        fail(std::string("cannot complete the file: ") +
             (error != nullptr ? error->message : ErrnoText().c_str()));
    };
    if (!gsf_output_close(gsf_->stream)) {
        closeFailed(gsf_->stream);
    }
    if (!gsf_output_close(GSF_OUTPUT(gsf_->outfile))) {
        closeFailed(GSF_OUTPUT(gsf_->outfile));
    }
    // Closing the compound file usually closes its sink too.
    if (!gsf_output_is_closed(gsf_->sink) && !gsf_output_close(gsf_->sink)) {
        closeFailed(gsf_->sink);
    }
    gsf_.reset();
    std::FILE* file = file_;
    file_ = nullptr;
    const bool flushed = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    const int flushErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!flushed || !closed) {
        errno = flushed ? errno : flushErrno;
        fail("cannot write: " + ErrnoText());
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        fail("cannot replace the file: " + ErrnoText());
    }
    committed_ = true;
}

void Ole2Writer::fail(const std::string& problem) const {
    throw std::runtime_error(target_.string() + ": " + problem);
}

void Ole2Writer::discard() noexcept {
    gsf_.reset();
    sink_.reset();
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

}  // namespace velmora
