#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "workbook/BiffWriter.h"

namespace velmora {

// Writes a compound (OLE2) file of one stream into a temporary file beside
// the target and, on commit(), renames it over the target. Until commit()
// succeeds the target is untouched; a writer destroyed without commit()
// removes its temporary file. Failures throw std::runtime_error naming the
// target and the problem.
class Ole2Writer {
public:
    Ole2Writer(std::filesystem::path target, const std::string& streamName);
    ~Ole2Writer();
    Ole2Writer(const Ole2Writer&) = delete;
    Ole2Writer& operator=(const Ole2Writer&) = delete;

    // The stream's content; writes that fail throw.
    ByteSink& stream();
    // Completes the file and puts it in place of the target.
    void commit();

    const std::filesystem::path& temporaryPath() const { return temporary_; }

private:
    struct Gsf;
    class StreamSink;

    [[noreturn]] void fail(const std::string& problem) const;
    void discard() noexcept;

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    std::unique_ptr<Gsf> gsf_;
    std::unique_ptr<StreamSink> sink_;
    bool committed_ = false;
};

}  // namespace velmora
