#include "zip_archive.h"

#include <sys/stat.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace pkzipc {
namespace {

constexpr uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr uint32_t kCentralHeaderSignature = 0x02014b50;
constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint16_t kVersionNeeded = 20;  // deflate
constexpr uint16_t kMethodDeflate = 8;
constexpr uint16_t kNoFlags = 0;  // sizes in the local header, names as they are
// Offsets of the CRC inside the local header; the two sizes follow it.
constexpr long kLocalCrcOffset = 14;
// Sizes and offsets of a plain archive are 32-bit.
constexpr uint64_t kLargestPlainSize = 0xFFFFFFFFull;
constexpr std::size_t kChunk = 1 << 16;
constexpr int kDosYearBase = 1980;

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

struct Entry {
    std::string Name;
    uint16_t DosTime = 0;
    uint16_t DosDate = 0;
    uint32_t Crc = 0;
    uint64_t Packed = 0;
    uint64_t Unpacked = 0;
};

void Put16(std::vector<unsigned char>& out, uint32_t value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}
void Put32(std::vector<unsigned char>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

bool WriteBytes(std::FILE* out, const std::vector<unsigned char>& bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
}

std::string StoredName(const std::string& path) {
    std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

// The modification time as the archive's two DOS words (local time, two
// seconds apart); times before 1980 become 1 January 1980.
void SetDosTime(const std::string& path, Entry& entry) {
    struct stat info {};
    std::time_t when = stat(path.c_str(), &info) == 0 ? info.st_mtime : std::time(nullptr);
    std::tm* local = std::localtime(&when);
    if (!local || local->tm_year + 1900 < kDosYearBase) {
        entry.DosDate = (1 << 5) | 1;
        return;
    }
    entry.DosTime = static_cast<uint16_t>(local->tm_hour << 11 | local->tm_min << 5 | local->tm_sec / 2);
    entry.DosDate = static_cast<uint16_t>((local->tm_year + 1900 - kDosYearBase) << 9 | (local->tm_mon + 1) << 5 |
                                          local->tm_mday);
}

// The fields the local and the central header share, from "version needed" on.
void PutCommonFields(std::vector<unsigned char>& out, const Entry& entry) {
    Put16(out, kVersionNeeded);
    Put16(out, kNoFlags);
    Put16(out, kMethodDeflate);
    Put16(out, entry.DosTime);
    Put16(out, entry.DosDate);
    Put32(out, entry.Crc);
    Put32(out, static_cast<uint32_t>(entry.Packed));
    Put32(out, static_cast<uint32_t>(entry.Unpacked));
    Put16(out, static_cast<uint32_t>(entry.Name.size()));
    Put16(out, 0);  // extra field length
}

std::vector<unsigned char> LocalHeader(const Entry& entry) {
    std::vector<unsigned char> out;
    Put32(out, kLocalHeaderSignature);
    PutCommonFields(out, entry);
    out.insert(out.end(), entry.Name.begin(), entry.Name.end());
    return out;
}

std::vector<unsigned char> CentralDirectory(const Entry& entry, uint32_t centralOffset) {
    std::vector<unsigned char> out;
    Put32(out, kCentralHeaderSignature);
    Put16(out, kVersionNeeded);  // made by
    PutCommonFields(out, entry);
    Put16(out, 0);  // comment length
    Put16(out, 0);  // disk number
    Put16(out, 0);  // internal attributes
    Put32(out, 0);  // external attributes
    Put32(out, 0);  // offset of the local header
    out.insert(out.end(), entry.Name.begin(), entry.Name.end());
    uint32_t centralSize = static_cast<uint32_t>(out.size());
    Put32(out, kEndSignature);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, centralSize);
    Put32(out, centralOffset);
    Put16(out, 0);  // comment length
    return out;
}

// Streams the file through raw deflate into out, counting and checking as it goes.
bool Deflate(std::FILE* in, std::FILE* out, Entry& entry, std::string& reason) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        reason = "cannot start the compressor";
        return false;
    }
    std::vector<unsigned char> input(kChunk), output(kChunk);
    uLong crc = crc32(0, nullptr, 0);
    int flush = Z_NO_FLUSH;
    bool ok = true;
    while (ok && flush != Z_FINISH) {
        std::size_t got = std::fread(input.data(), 1, kChunk, in);
        if (std::ferror(in)) {
            reason = "cannot read the file";
            ok = false;
            break;
        }
        flush = std::feof(in) ? Z_FINISH : Z_NO_FLUSH;
        crc = crc32(crc, input.data(), static_cast<uInt>(got));
        entry.Unpacked += got;
        stream.next_in = input.data();
        stream.avail_in = static_cast<uInt>(got);
        do {
            stream.next_out = output.data();
            stream.avail_out = static_cast<uInt>(kChunk);
            deflate(&stream, flush);
            std::size_t produced = kChunk - stream.avail_out;
            entry.Packed += produced;
            if (std::fwrite(output.data(), 1, produced, out) != produced) {
                reason = "cannot write the archive";
                ok = false;
            }
        } while (ok && stream.avail_out == 0);
    }
    deflateEnd(&stream);
    entry.Crc = static_cast<uint32_t>(crc);
    if (ok && (entry.Unpacked > kLargestPlainSize || entry.Packed > kLargestPlainSize)) {
        reason = "the file is too large for a zip archive";
        ok = false;
    }
    return ok;
}

// The CRC and both sizes are known only after the data: written back in place.
bool PatchLocalHeader(std::FILE* out, const Entry& entry) {
    std::vector<unsigned char> fields;
    Put32(fields, entry.Crc);
    Put32(fields, static_cast<uint32_t>(entry.Packed));
    Put32(fields, static_cast<uint32_t>(entry.Unpacked));
    return std::fseek(out, kLocalCrcOffset, SEEK_SET) == 0 && WriteBytes(out, fields) &&
           std::fseek(out, 0, SEEK_END) == 0;
}

bool WriteArchive(std::FILE* in, std::FILE* out, Entry& entry, std::string& reason) {
    std::vector<unsigned char> local = LocalHeader(entry);
    if (!WriteBytes(out, local)) {
        reason = "cannot write the archive";
        return false;
    }
    if (!Deflate(in, out, entry, reason)) return false;
    uint64_t centralOffset = local.size() + entry.Packed;
    if (centralOffset > kLargestPlainSize) {
        reason = "the file is too large for a zip archive";
        return false;
    }
    if (!PatchLocalHeader(out, entry) ||
        !WriteBytes(out, CentralDirectory(entry, static_cast<uint32_t>(centralOffset)))) {
        reason = "cannot write the archive";
        return false;
    }
    return true;
}

}  // namespace

bool WriteSingleFileArchive(const std::string& archive, const std::string& file, std::string& reason) {
    File in(std::fopen(file.c_str(), "rb"), std::fclose);
    if (!in) {
        reason = "cannot open " + file;
        return false;
    }
    Entry entry;
    entry.Name = StoredName(file);
    SetDosTime(file, entry);
    File out(std::fopen(archive.c_str(), "wb"), std::fclose);
    if (!out) {
        reason = "cannot create " + archive;
        return false;
    }
    bool ok = WriteArchive(in.get(), out.get(), entry, reason);
    if (std::fclose(out.release()) != 0 && ok) {
        reason = "cannot write the archive";
        ok = false;
    }
    if (!ok) std::remove(archive.c_str());
    return ok;
}

}  // namespace pkzipc
