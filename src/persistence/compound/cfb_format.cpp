#include "persistence/compound/cfb_format.h"

#include <algorithm>
#include <cstring>

namespace qvs::cfb {

namespace {

constexpr std::uint32_t kFreeSect = 0xFFFFFFFFu;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFEu;
constexpr std::uint32_t kFatSect = 0xFFFFFFFDu;
constexpr std::uint32_t kDifSect = 0xFFFFFFFCu;
constexpr std::uint32_t kNoStream = 0xFFFFFFFFu;

constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

constexpr std::size_t kSectorSize = 512;  // what the writer produces
constexpr std::size_t kMiniSectorSize = 64;
constexpr std::size_t kDirEntrySize = 128;
constexpr std::size_t kHeaderDifatEntries = 109;

constexpr std::uint8_t kTypeStorage = 1;
constexpr std::uint8_t kTypeStream = 2;
constexpr std::uint8_t kTypeRoot = 5;
constexpr std::uint8_t kColorBlack = 1;

std::uint16_t Get16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
std::uint32_t Get32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
void Put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}
void Put64(std::uint8_t* p, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

std::size_t CeilDiv(std::size_t a, std::size_t b) { return (a + b - 1) / b; }

// Windows-1252 bytes 0x80..0x9F; the five undefined ones map to the C1 controls,
// as the platform's conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

// ---------------------------------------------------------------------------
// Names

char16_t UpcaseCodeUnit(char16_t c) {
    if (c < 0x61) return c;
    if (c <= 0x7A) return char16_t(c - 0x20);
    if (c < 0xB5) return c;
    if (c == 0xB5) return 0x039C;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return char16_t(c - 0x20);
    if (c == 0xFF) return 0x0178;
    if (c >= 0x0100 && c <= 0x017F) {
        if (c == 0x0131) return 0x0049;  // dotless i
        if (c == 0x017F) return 0x0053;  // long s
        if (c == 0x0138 || c == 0x0149) return c;  // no upper case
        // Pairs start on even code points, except in 0x139..0x148 and 0x179..0x17E.
        bool oddUpper = (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E);
        bool isLower = oddUpper ? (c % 2 == 0) : (c % 2 == 1);
        return isLower ? char16_t(c - 1) : c;
    }
    if (c == 0x0192) return 0x0191;
    if (c >= 0x03AC && c <= 0x03CE) {
        if (c == 0x03AC) return 0x0386;
        if (c >= 0x03AD && c <= 0x03AF) return char16_t(c - 0x25);
        if (c == 0x03C2) return 0x03A3;  // final sigma
        if (c >= 0x03B1 && c <= 0x03CB) return char16_t(c - 0x20);
        if (c == 0x03CC) return 0x038C;
        if (c >= 0x03CD) return char16_t(c - 0x3F);
        return c;
    }
    if (c >= 0x0430 && c <= 0x044F) return char16_t(c - 0x20);
    if (c >= 0x0450 && c <= 0x045F) return char16_t(c - 0x50);
    return c;
}

std::u16string UpcaseName(const std::u16string& name) {
    std::u16string out(name);
    for (auto& c : out) c = UpcaseCodeUnit(c);
    return out;
}

int CompareNames(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char16_t x = UpcaseCodeUnit(a[i]);
        char16_t y = UpcaseCodeUnit(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

std::u16string AnsiToUtf16(const char* ansi) {
    std::u16string out;
    if (!ansi) return out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(ansi); *p; ++p) {
        unsigned char b = *p;
        out.push_back(b >= 0x80 && b <= 0x9F ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

bool IsValidName(const std::u16string& name) {
    if (name.empty() || name.size() > kMaxNameLength) return false;
    for (char16_t c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c == u'!' || c == 0) return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Tree

std::shared_ptr<Entry> Entry::Find(const std::u16string& childName) const {
    auto it = children.find(UpcaseName(childName));
    return it == children.end() ? nullptr : it->second;
}

std::shared_ptr<Entry> Entry::Replace(const std::u16string& childName, bool storage) {
    auto child = std::make_shared<Entry>();
    child->name = childName;
    child->isStorage = storage;
    children[UpcaseName(childName)] = child;
    return child;
}

std::shared_ptr<Entry> NewRoot() {
    auto root = std::make_shared<Entry>();
    root->name = u"Root Entry";
    root->isStorage = true;
    return root;
}

// ---------------------------------------------------------------------------
// Reader

namespace {

class Reader {
public:
    Reader(const std::uint8_t* bytes, std::size_t size) : p_(bytes), n_(size) {}

    std::shared_ptr<Entry> Run() {
        if (!p_ || n_ < kSectorSize || n_ > kMaxFileBytes) return nullptr;
        if (std::memcmp(p_, kSignature, sizeof kSignature) != 0) return nullptr;
        std::uint16_t shift = Get16(p_ + 0x1E);
        if (shift != 9 && shift != 12) return nullptr;
        if (Get16(p_ + 0x20) != 6) return nullptr;
        shift_ = shift;
        ssize_ = std::size_t(1) << shift;
        nSectors_ = n_ > ssize_ ? CeilDiv(n_ - ssize_, ssize_) : 0;
        claimed_.assign(nSectors_, 0);

        LoadFat();
        std::vector<std::uint8_t> dir = ChainBytes(Chain(Get32(p_ + 0x30), SIZE_MAX), 0, nullptr);
        dirCount_ = dir.size() / kDirEntrySize;
        if (dirCount_ == 0) return nullptr;
        dir_ = dir.data();
        std::uint8_t rootType = dir_[0x42];
        if (rootType != kTypeRoot && rootType != kTypeStorage) return nullptr;

        LoadMiniStream();
        auto root = NewRoot();
        Walk(root.get(), Get32(dir_ + 0x4C));
        return root;
    }

    bool damaged() const { return damaged_; }

private:
    // Bytes of sector s from offset off, or null when they lie past the end.
    const std::uint8_t* At(std::size_t s, std::size_t off, std::size_t len) const {
        std::size_t start = ((s + 1) << shift_) + off;
        if (start > n_ || n_ - start < len) return nullptr;
        return p_ + start;
    }
    std::uint32_t SectorU32(std::size_t s, std::size_t index) const {
        const std::uint8_t* q = At(s, index * 4, 4);
        return q ? Get32(q) : kFreeSect;
    }

    void LoadFat() {
        fat_.assign(nSectors_, kFreeSect);
        const std::size_t per = ssize_ / 4;
        const std::size_t needed = CeilDiv(nSectors_, per);
        const std::size_t want = std::min<std::size_t>(Get32(p_ + 0x2C), needed);
        std::size_t k = 0;
        bool listEnded = false;
        auto addFatSector = [&](std::uint32_t s) {
            if (s == kFreeSect || s == kEndOfChain) {
                listEnded = true;
                return;
            }
            if (s >= nSectors_) {
                damaged_ = true;
            } else {
                claimed_[s] = 1;
                for (std::size_t j = 0; j < per && k * per + j < nSectors_; ++j) {
                    fat_[k * per + j] = SectorU32(s, j);
                }
            }
            ++k;
        };
        for (std::size_t i = 0; i < kHeaderDifatEntries && k < want && !listEnded; ++i) {
            addFatSector(Get32(p_ + 0x4C + 4 * i));
        }
        std::vector<std::uint8_t> seen(nSectors_, 0);
        std::uint32_t d = Get32(p_ + 0x44);
        while (k < want && !listEnded && d < nSectors_ && !seen[d]) {
            seen[d] = 1;
            claimed_[d] = 1;
            for (std::size_t j = 0; j + 1 < per && k < want && !listEnded; ++j) {
                addFatSector(SectorU32(d, j));
            }
            d = SectorU32(d, per - 1);
        }
        if (k < want) damaged_ = true;
    }

    // Follows a FAT chain for at most maxCount sectors. A sector already used
    // by any chain (which includes a loop within this one) ends it.
    std::vector<std::uint32_t> Chain(std::uint32_t start, std::size_t maxCount) {
        std::vector<std::uint32_t> out;
        std::uint32_t s = start;
        while (out.size() < maxCount) {
            if (s == kEndOfChain) return out;
            if (s >= nSectors_ || claimed_[s]) {
                damaged_ = true;
                return out;
            }
            claimed_[s] = 1;
            out.push_back(s);
            s = fat_[s];
        }
        return out;
    }

    // The chain's sectors end to end; bytes missing at the end of the file
    // are filled with `fill`. *realBytes tells how many came from the file.
    std::vector<std::uint8_t> ChainBytes(const std::vector<std::uint32_t>& chain, std::uint8_t fill,
                                         std::size_t* realBytes) {
        std::vector<std::uint8_t> out(chain.size() * ssize_, fill);
        std::size_t real = 0;
        for (std::size_t i = 0; i < chain.size(); ++i) {
            std::size_t start = (std::size_t(chain[i]) + 1) << shift_;
            std::size_t avail = start < n_ ? std::min(ssize_, n_ - start) : 0;
            if (avail) std::memcpy(out.data() + i * ssize_, p_ + start, avail);
            if (avail < ssize_) damaged_ = true;
            if (real == i * ssize_) real += avail;
        }
        if (realBytes) *realBytes = real;
        return out;
    }

    std::uint64_t EntrySize(const std::uint8_t* e) const {
        std::uint64_t low = Get32(e + 0x78);
        // Version 3 files keep only 32 bits; some writers leave junk above.
        if (shift_ == 9) return low;
        return low | (std::uint64_t(Get32(e + 0x7C)) << 32);
    }

    void LoadMiniStream() {
        const std::uint8_t* rootEntry = dir_;
        std::uint64_t size = EntrySize(rootEntry);
        std::uint32_t start = Get32(rootEntry + 0x74);
        if (size == 0 || start == kEndOfChain) return;
        // Never more sectors than the file holds, whatever the size claims.
        std::size_t sectors = std::min(CeilDiv(std::size_t(std::min<std::uint64_t>(size, n_)), ssize_), nSectors_);
        std::size_t real = 0;
        miniStream_ = ChainBytes(Chain(start, sectors), 0, &real);
        std::size_t keep = std::size_t(std::min<std::uint64_t>({size, miniStream_.size(), real}));
        if (keep < size) damaged_ = true;
        miniStream_.resize(keep);
        std::size_t miniCount = CeilDiv(miniStream_.size(), kMiniSectorSize);
        miniClaimed_.assign(miniCount, 0);

        std::vector<std::uint32_t> chain = Chain(Get32(p_ + 0x3C), SIZE_MAX);
        std::vector<std::uint8_t> bytes = ChainBytes(chain, 0xFF, nullptr);
        miniFat_.resize(bytes.size() / 4);
        for (std::size_t i = 0; i < miniFat_.size(); ++i) miniFat_[i] = Get32(bytes.data() + 4 * i);
    }

    std::vector<std::uint8_t> ReadRegular(std::uint32_t start, std::uint64_t size) {
        std::vector<std::uint8_t> out;
        if (size == 0) return out;
        std::size_t want = std::size_t(std::min<std::uint64_t>(size, n_));
        std::vector<std::uint32_t> chain = Chain(start, CeilDiv(want, ssize_));
        out.reserve(std::min(want, chain.size() * ssize_));
        for (std::uint32_t s : chain) {
            std::size_t begin = (std::size_t(s) + 1) << shift_;
            std::size_t take = std::min(ssize_, want - out.size());
            std::size_t avail = begin < n_ ? std::min(take, n_ - begin) : 0;
            if (avail) out.insert(out.end(), p_ + begin, p_ + begin + avail);
            if (avail < take) break;
        }
        if (out.size() < size) damaged_ = true;
        return out;
    }

    std::vector<std::uint8_t> ReadMini(std::uint32_t start, std::uint64_t size) {
        std::vector<std::uint8_t> out;
        if (size == 0) return out;
        std::size_t want = std::size_t(std::min<std::uint64_t>(size, miniStream_.size()));
        out.reserve(want);
        std::uint32_t m = start;
        while (out.size() < want) {
            if (m >= miniClaimed_.size() || miniClaimed_[m]) break;
            miniClaimed_[m] = 1;
            std::size_t begin = std::size_t(m) * kMiniSectorSize;
            std::size_t take = std::min({kMiniSectorSize, want - out.size(), miniStream_.size() - begin});
            out.insert(out.end(), miniStream_.begin() + std::ptrdiff_t(begin),
                       miniStream_.begin() + std::ptrdiff_t(begin + take));
            if (m >= miniFat_.size()) break;
            m = miniFat_[m];
        }
        if (out.size() < size) damaged_ = true;
        return out;
    }

    std::u16string EntryName(const std::uint8_t* e) const {
        std::uint16_t lenBytes = Get16(e + 0x40);
        std::size_t units = (lenBytes >= 2 && lenBytes <= 64 && lenBytes % 2 == 0) ? lenBytes / 2 - 1 : 32;
        std::u16string name;
        // A name without terminator in its 32 units is cut to the 31 allowed.
        for (std::size_t i = 0; i < units && i < kMaxNameLength; ++i) {
            char16_t c = char16_t(Get16(e + 2 * i));
            if (c == 0) break;
            name.push_back(c);
        }
        return name;
    }

    // Walks the sibling trees breadth by breadth with explicit stacks; every
    // directory entry is taken at most once, so cycles and shared subtrees end.
    void Walk(Entry* root, std::uint32_t firstChild) {
        std::vector<std::uint8_t> used(dirCount_, 0);
        used[0] = 1;
        struct Job {
            std::uint32_t top;
            Entry* parent;
            int depth;
        };
        std::vector<Job> jobs{{firstChild, root, 0}};
        std::vector<std::uint32_t> stack;
        while (!jobs.empty()) {
            Job job = jobs.back();
            jobs.pop_back();
            stack.assign(1, job.top);
            while (!stack.empty()) {
                std::uint32_t idx = stack.back();
                stack.pop_back();
                if (idx == kNoStream) continue;
                if (idx >= dirCount_ || used[idx]) {
                    damaged_ = true;
                    continue;
                }
                used[idx] = 1;
                const std::uint8_t* e = dir_ + std::size_t(idx) * kDirEntrySize;
                stack.push_back(Get32(e + 0x44));
                stack.push_back(Get32(e + 0x48));
                std::uint8_t type = e[0x42];
                if (type != kTypeStorage && type != kTypeStream) {
                    damaged_ = true;
                    continue;
                }
                std::u16string name = EntryName(e);
                std::u16string key = UpcaseName(name);
                if (name.empty() || job.parent->children.count(key)) {
                    damaged_ = true;
                    continue;
                }
                auto child = std::make_shared<Entry>();
                child->name = name;
                child->isStorage = type == kTypeStorage;
                if (child->isStorage) {
                    if (job.depth + 1 < kMaxDepth) {
                        jobs.push_back({Get32(e + 0x4C), child.get(), job.depth + 1});
                    } else {
                        damaged_ = true;
                        continue;
                    }
                } else {
                    std::uint64_t size = EntrySize(e);
                    std::uint32_t start = Get32(e + 0x74);
                    child->data = size < kMiniStreamCutoff ? ReadMini(start, size) : ReadRegular(start, size);
                }
                job.parent->children.emplace(std::move(key), std::move(child));
            }
        }
    }

    const std::uint8_t* p_;
    std::size_t n_;
    unsigned shift_ = 9;
    std::size_t ssize_ = kSectorSize;
    std::size_t nSectors_ = 0;
    std::vector<std::uint32_t> fat_;
    std::vector<std::uint8_t> claimed_;
    const std::uint8_t* dir_ = nullptr;
    std::size_t dirCount_ = 0;
    std::vector<std::uint8_t> miniStream_;
    std::vector<std::uint32_t> miniFat_;
    std::vector<std::uint8_t> miniClaimed_;
    bool damaged_ = false;
};

}  // namespace

std::shared_ptr<Entry> Parse(const std::uint8_t* bytes, std::size_t size, ParseReport* report) {
    Reader reader(bytes, size);
    auto root = reader.Run();
    if (report) report->damaged = !root || reader.damaged();
    return root;
}

// ---------------------------------------------------------------------------
// Writer

namespace {

struct DirRecord {
    const Entry* entry;
    std::uint8_t type;
    std::uint32_t left = kNoStream;
    std::uint32_t right = kNoStream;
    std::uint32_t child = kNoStream;
    std::uint32_t start = kEndOfChain;
    std::uint64_t size = 0;
};

// A balanced binary tree over records [base+lo, base+hi), already in the
// format's name order; all black is a valid red-black colouring for readers.
std::uint32_t BuildSiblingTree(std::vector<DirRecord>& recs, std::size_t base, std::size_t lo,
                               std::size_t hi) {
    if (lo >= hi) return kNoStream;
    std::size_t mid = lo + (hi - lo) / 2;
    recs[base + mid].left = BuildSiblingTree(recs, base, lo, mid);
    recs[base + mid].right = BuildSiblingTree(recs, base, mid + 1, hi);
    return std::uint32_t(base + mid);
}

}  // namespace

std::vector<std::uint8_t> Serialize(const Entry& root) {
    // Directory records: root first, then each storage's children together.
    std::vector<DirRecord> recs;
    recs.push_back({&root, kTypeRoot});
    for (std::size_t i = 0; i < recs.size(); ++i) {
        const Entry* e = recs[i].entry;
        if (!(i == 0 || e->isStorage) || e->children.empty()) continue;
        std::size_t base = recs.size();
        for (const auto& kv : e->children) {
            recs.push_back({kv.second.get(), kv.second->isStorage ? kTypeStorage : kTypeStream});
        }
        recs[i].child = BuildSiblingTree(recs, base, 0, e->children.size());
    }

    // Mini sectors for small streams, regular sectors for the rest.
    std::size_t miniSectors = 0;
    std::size_t regularSectors = 0;
    for (std::size_t i = 1; i < recs.size(); ++i) {
        DirRecord& r = recs[i];
        if (r.type != kTypeStream) {
            r.start = 0;
            continue;
        }
        r.size = r.entry->data.size();
        if (r.size == 0) continue;
        if (r.size < kMiniStreamCutoff) {
            r.start = std::uint32_t(miniSectors);
            miniSectors += CeilDiv(std::size_t(r.size), kMiniSectorSize);
        } else {
            r.start = std::uint32_t(regularSectors);  // relative for now
            regularSectors += CeilDiv(std::size_t(r.size), kSectorSize);
        }
    }
    const std::size_t perSector = kSectorSize / 4;
    const std::size_t miniStreamBytes = miniSectors * kMiniSectorSize;
    const std::size_t miniStreamSectors = CeilDiv(miniStreamBytes, kSectorSize);
    const std::size_t miniFatSectors = CeilDiv(miniSectors, perSector);
    const std::size_t dirSectors = CeilDiv(recs.size(), kSectorSize / kDirEntrySize);
    const std::size_t dataSectors = dirSectors + miniFatSectors + miniStreamSectors + regularSectors;

    // FAT and DIFAT sectors cover themselves too: grow until it fits.
    std::size_t fatSectors = 0;
    std::size_t difatSectors = 0;
    for (;;) {
        std::size_t total = dataSectors + fatSectors + difatSectors;
        std::size_t f = CeilDiv(total, perSector);
        std::size_t d = f > kHeaderDifatEntries ? CeilDiv(f - kHeaderDifatEntries, perSector - 1) : 0;
        if (f == fatSectors && d == difatSectors) break;
        fatSectors = f;
        difatSectors = d;
    }

    const std::size_t difatStart = fatSectors;
    const std::size_t dirStart = difatStart + difatSectors;
    const std::size_t miniFatStart = dirStart + dirSectors;
    const std::size_t miniStreamStart = miniFatStart + miniFatSectors;
    const std::size_t regularStart = miniStreamStart + miniStreamSectors;
    const std::size_t totalSectors = regularStart + regularSectors;

    std::vector<std::uint8_t> out((totalSectors + 1) * kSectorSize, 0);
    auto sector = [&](std::size_t s) { return out.data() + (s + 1) * kSectorSize; };

    // FAT
    std::vector<std::uint32_t> fat(fatSectors * perSector, kFreeSect);
    auto chain = [&](std::size_t start, std::size_t count) {
        for (std::size_t j = 0; j < count; ++j) {
            fat[start + j] = j + 1 < count ? std::uint32_t(start + j + 1) : kEndOfChain;
        }
    };
    for (std::size_t s = 0; s < fatSectors; ++s) fat[s] = kFatSect;
    for (std::size_t s = difatStart; s < dirStart; ++s) fat[s] = kDifSect;
    chain(dirStart, dirSectors);
    chain(miniFatStart, miniFatSectors);
    chain(miniStreamStart, miniStreamSectors);
    for (std::size_t i = 1; i < recs.size(); ++i) {
        DirRecord& r = recs[i];
        if (r.type != kTypeStream || r.size < kMiniStreamCutoff) continue;
        r.start += std::uint32_t(regularStart);
        std::size_t count = CeilDiv(std::size_t(r.size), kSectorSize);
        chain(r.start, count);
        std::memcpy(sector(r.start), r.entry->data.data(), r.entry->data.size());
    }
    for (std::size_t s = 0; s < fatSectors; ++s) {
        for (std::size_t j = 0; j < perSector; ++j) Put32(sector(s) + 4 * j, fat[s * perSector + j]);
    }

    // Header
    std::uint8_t* h = out.data();
    std::memset(h + 0x4C, 0xFF, kHeaderDifatEntries * 4);
    std::memcpy(h, kSignature, sizeof kSignature);
    Put16(h + 0x18, 0x003E);
    Put16(h + 0x1A, 0x0003);
    Put16(h + 0x1C, 0xFFFE);
    Put16(h + 0x1E, 9);
    Put16(h + 0x20, 6);
    Put32(h + 0x2C, std::uint32_t(fatSectors));
    Put32(h + 0x30, std::uint32_t(dirStart));
    Put32(h + 0x38, kMiniStreamCutoff);
    Put32(h + 0x3C, miniFatSectors ? std::uint32_t(miniFatStart) : kEndOfChain);
    Put32(h + 0x40, std::uint32_t(miniFatSectors));
    Put32(h + 0x44, difatSectors ? std::uint32_t(difatStart) : kEndOfChain);
    Put32(h + 0x48, std::uint32_t(difatSectors));
    for (std::size_t i = 0; i < fatSectors && i < kHeaderDifatEntries; ++i) Put32(h + 0x4C + 4 * i, std::uint32_t(i));

    // DIFAT sectors: 127 FAT sector numbers and the next DIFAT sector each.
    for (std::size_t d = 0; d < difatSectors; ++d) {
        std::uint8_t* q = sector(difatStart + d);
        for (std::size_t j = 0; j + 1 < perSector; ++j) {
            std::size_t f = kHeaderDifatEntries + d * (perSector - 1) + j;
            Put32(q + 4 * j, f < fatSectors ? std::uint32_t(f) : kFreeSect);
        }
        Put32(q + 4 * (perSector - 1), d + 1 < difatSectors ? std::uint32_t(difatStart + d + 1) : kEndOfChain);
    }

    // Mini FAT and mini stream
    std::vector<std::uint8_t> miniFatBytes(miniFatSectors * kSectorSize, 0xFF);
    for (std::size_t i = 1; i < recs.size(); ++i) {
        const DirRecord& r = recs[i];
        if (r.type != kTypeStream || r.size == 0 || r.size >= kMiniStreamCutoff) continue;
        std::size_t count = CeilDiv(std::size_t(r.size), kMiniSectorSize);
        for (std::size_t j = 0; j < count; ++j) {
            Put32(miniFatBytes.data() + 4 * (r.start + j), j + 1 < count ? std::uint32_t(r.start + j + 1) : kEndOfChain);
        }
        std::memcpy(sector(miniStreamStart) + std::size_t(r.start) * kMiniSectorSize, r.entry->data.data(),
                    r.entry->data.size());
    }
    if (miniFatSectors) std::memcpy(sector(miniFatStart), miniFatBytes.data(), miniFatBytes.size());
    if (miniSectors) {
        recs[0].start = std::uint32_t(miniStreamStart);
        recs[0].size = miniStreamBytes;
    }

    // Directory
    std::uint8_t* dir = sector(dirStart);
    const std::size_t slots = dirSectors * (kSectorSize / kDirEntrySize);
    for (std::size_t i = 0; i < slots; ++i) {
        std::uint8_t* e = dir + i * kDirEntrySize;
        Put32(e + 0x44, kNoStream);
        Put32(e + 0x48, kNoStream);
        Put32(e + 0x4C, kNoStream);
        if (i >= recs.size()) continue;
        const DirRecord& r = recs[i];
        std::u16string name = r.entry->name.substr(0, kMaxNameLength);
        if (i == 0) name = u"Root Entry";
        for (std::size_t j = 0; j < name.size(); ++j) Put16(e + 2 * j, name[j]);
        Put16(e + 0x40, std::uint16_t((name.size() + 1) * 2));
        e[0x42] = r.type;
        e[0x43] = kColorBlack;
        Put32(e + 0x44, r.left);
        Put32(e + 0x48, r.right);
        Put32(e + 0x4C, r.child);
        Put32(e + 0x74, r.start);
        Put64(e + 0x78, r.size);
    }
    return out;
}

}  // namespace qvs::cfb
