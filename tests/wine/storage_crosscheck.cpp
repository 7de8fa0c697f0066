// Windows-side cross-check of the two StoragePort back ends: the platform's
// structured storage (OleStorage) and our own compound-file code
// (CompoundFileStorage). Every writer's file is read by every reader and each
// value compared; then files are changed in place by one side and read by the
// other. Prints one line per failure and "N passed, M failed"; exits non-zero
// when anything failed.
//
// Usage: storage_crosscheck [scratch-folder]   (default: the current folder)
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "persistence/compound/compound_storage.h"
#include "check_tally.h"
#include "win32/ole_storage.h"

namespace {

using qvs::StorageObject;
using qvs::StoragePort;

qvs::CheckTally tally;

void Check(bool ok, const std::string& what) { tally.Check(ok, what); }

using Bytes = std::vector<unsigned char>;

// One element of the known tree: a path of names (storages, then the element).
struct Item {
    std::vector<std::string> path;
    bool storage;
    Bytes bytes;
};

Bytes Dword(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }
Bytes Text(const std::string& t) {
    Bytes out(t.begin(), t.end());
    out.push_back(0);
    return out;
}
Bytes Pattern(size_t size, unsigned seed) {
    Bytes out(size);
    for (size_t i = 0; i < size; ++i) out[i] = uint8_t((i * 131 + seed * 7 + (i >> 9)) & 0xFF);
    return out;
}

std::vector<Item> KnownTree() {
    std::vector<Item> t;
    auto stream = [&](std::vector<std::string> path, Bytes bytes) { t.push_back({std::move(path), false, std::move(bytes)}); };
    auto storage = [&](std::vector<std::string> path) { t.push_back({std::move(path), true, {}}); };
    stream({"Threshold"}, Dword(2500));
    stream({"Empty"}, {});
    for (size_t size : {1, 63, 64, 65, 511, 512, 513, 4095, 4096, 4097, 10000}) {
        stream({"Size" + std::to_string(size)}, Pattern(size, unsigned(size)));
    }
    stream({"Caf\xE9"}, Text("latin-1"));
    stream({"\x9A" "koda \x80"}, Text("cp1252"));
    stream({std::string(31, 'L')}, Dword(31));
    stream({"Big"}, Pattern(7500000, 3));  // past 109 FAT sectors: DIFAT
    storage({"1"});
    stream({"1", "ChannelName"}, Text("#files"));
    stream({"1", "SizeOfFilesSent"}, {1, 2, 3, 4, 5, 6, 7, 8});
    storage({"1", "List"});
    stream({"1", "List", "1"}, Text("Movies"));
    stream({"1", "List", "1_Option"}, Dword(3));
    storage({"1", "ChanAds"});
    storage({"1", "ChanAds", "1"});
    stream({"1", "ChanAds", "1", "Trigger"}, {});
    storage({"1", "SearchTrigger"});
    storage({"2"});
    for (uint32_t i = 1; i <= 150; ++i) stream({"2", std::to_string(i)}, Dword(i * 1000));
    for (const char* name : {"a", "B", "cc", "Dd", "EEE", "fFf", "Key_a", "KEY_B", "key_c", "_x", "x_", "Zz9"}) {
        stream({"2", name}, Text(name));
    }
    return t;
}

std::string Join(const std::vector<std::string>& path) {
    std::string out;
    for (const auto& p : path) out += (out.empty() ? "" : "/") + p;
    return out;
}

std::string Upper(const std::string& s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = char(c - 32);
    }
    return out;
}

// Opens the storages along path[0..depth) below root; null when one is missing.
// Every other lookup uses upper case, so case-insensitive names are exercised.
std::vector<StorageObject*> OpenPath(StoragePort& port, StorageObject* root, const std::vector<std::string>& path,
                                     size_t depth) {
    std::vector<StorageObject*> chain{root};
    for (size_t i = 0; i < depth; ++i) {
        std::string name = (i % 2) ? Upper(path[i]) : path[i];
        StorageObject* next = port.OpenSubStorage(chain.back(), name.c_str());
        if (!next) break;
        chain.push_back(next);
    }
    return chain;
}

void CloseChain(StoragePort& port, std::vector<StorageObject*>& chain) {
    for (size_t i = chain.size(); i-- > 1;) port.ReleaseStorageObject(chain[i]);
}

bool WriteTree(StoragePort& port, const std::string& file, const std::vector<Item>& tree) {
    StorageObject* root = port.CreateFile(file.c_str());
    if (!root) return false;
    for (const Item& item : tree) {
        auto chain = OpenPath(port, root, item.path, item.path.size() - 1);
        bool parentOk = chain.size() == item.path.size();
        if (parentOk) {
            const char* name = item.path.back().c_str();
            StorageObject* made =
                item.storage ? port.CreateSubStorage(chain.back(), name) : port.CreateStream(chain.back(), name);
            parentOk = made != nullptr;
            if (made && !item.storage && !item.bytes.empty()) {
                port.WriteStreamData(made, item.bytes.data(), uint32_t(item.bytes.size()));
            }
            if (made) port.ReleaseStorageObject(made);
        }
        if (!parentOk) Check(false, "writing " + Join(item.path));
        CloseChain(port, chain);
    }
    return port.ReleaseStorageObject(root);
}

void VerifyTree(StoragePort& port, const std::string& file, const std::vector<Item>& tree, const std::string& label) {
    StorageObject* root = port.OpenFile(file.c_str());
    Check(root != nullptr, label + ": open " + file);
    if (!root) return;
    for (const Item& item : tree) {
        std::string what = label + ": " + Join(item.path);
        auto chain = OpenPath(port, root, item.path, item.path.size() - 1);
        if (chain.size() != item.path.size()) {
            Check(false, what + " (parent storage missing)");
            CloseChain(port, chain);
            continue;
        }
        std::string name = (item.path.size() % 2) ? Upper(item.path.back()) : item.path.back();
        if (item.storage) {
            StorageObject* s = port.OpenSubStorage(chain.back(), name.c_str());
            Check(s != nullptr, what + " (storage)");
            if (s) port.ReleaseStorageObject(s);
        } else {
            StorageObject* s = port.OpenStream(chain.back(), name.c_str());
            Check(s != nullptr, what + " (stream)");
            if (s) {
                uint32_t size = port.GetStreamSize(s);
                Bytes got(size_t(size) + 4, 0xCD);
                port.ReadStreamData(s, got.data(), uint32_t(got.size()));
                bool tailUntouched = got[size] == 0xCD && got[size + 3] == 0xCD;
                got.resize(size);
                Check(size == item.bytes.size() && got == item.bytes && tailUntouched,
                      what + " (" + std::to_string(item.bytes.size()) + " bytes expected, " +
                          std::to_string(size) + " found)");
                port.ReleaseStorageObject(s);
            }
        }
        CloseChain(port, chain);
    }
    Check(port.OpenStream(root, "NotThere") == nullptr, label + ": absent key");
    Check(port.OpenSubStorage(root, "Threshold") == nullptr, label + ": a stream is no storage");
    Check(port.OpenStream(root, "1") == nullptr, label + ": a storage is no stream");
    port.ReleaseStorageObject(root);
}

// Counts the elements the native reader sees, to catch extra or lost entries.
size_t CountNative(const std::string& file) {
    qvs::CompoundFileStorage port;
    StorageObject* root = port.OpenFile(file.c_str());
    if (!root) return 0;
    size_t count = 0;
    std::vector<StorageObject*> pending{root};
    while (!pending.empty()) {
        StorageObject* s = pending.back();
        pending.pop_back();
        for (const auto& child : port.ListChildren(s)) {
            ++count;
            if (child.isStorage) pending.push_back(port.OpenSubStorageW(s, child.name));
        }
        port.ReleaseStorageObject(s);
    }
    return count;
}

uint32_t ReadDword(StoragePort& port, StorageObject* storage, const char* name) {
    uint32_t value = 0xFFFFFFFF;
    if (StorageObject* s = port.OpenStream(storage, name)) {
        if (port.GetStreamSize(s) == 4) port.ReadStreamData(s, &value, 4);
        port.ReleaseStorageObject(s);
    }
    return value;
}

void WriteDword(StoragePort& port, StorageObject* storage, const char* name, uint32_t value) {
    if (StorageObject* s = port.CreateStream(storage, name)) {
        port.WriteStreamData(s, &value, 4);
        port.ReleaseStorageObject(s);
    }
}

// Both back ends must agree on the edges of the port's contract.
void CheckContract(StoragePort& port, const std::string& file, const std::string& label) {
    StorageObject* root = port.CreateFile(file.c_str());
    Check(root != nullptr, label + ": create " + file);
    if (!root) return;
    StorageObject* s31 = port.CreateStream(root, std::string(31, 'n').c_str());
    Check(s31 != nullptr, label + ": 31-character name accepted");
    if (s31) port.ReleaseStorageObject(s31);
    StorageObject* s32 = port.CreateStream(root, std::string(32, 'n').c_str());
    Check(s32 == nullptr, label + ": 32-character stream name refused");
    if (s32) port.ReleaseStorageObject(s32);
    StorageObject* g32 = port.CreateSubStorage(root, std::string(32, 'n').c_str());
    Check(g32 == nullptr, label + ": 32-character storage name refused");
    if (g32) port.ReleaseStorageObject(g32);

    WriteDword(port, root, "Key", 1);
    WriteDword(port, root, "KEY", 2);  // replaces
    if (StorageObject* g = port.CreateSubStorage(root, "Thing")) {
        WriteDword(port, g, "Inner", 5);
        port.ReleaseStorageObject(g);
    }
    WriteDword(port, root, "thing", 9);  // a stream in place of the storage
    Check(port.ReleaseStorageObject(root), label + ": root release writes the file");

    root = port.OpenFile(file.c_str());
    Check(root != nullptr, label + ": reopen " + file);
    if (!root) return;
    Check(ReadDword(port, root, "key") == 2, label + ": create replaces a stream of the same name");
    Check(ReadDword(port, root, "THING") == 9, label + ": a stream replaces a storage of the same name");
    StorageObject* gone = port.OpenSubStorage(root, "Thing");
    Check(gone == nullptr, label + ": the replaced storage is gone");
    if (gone) port.ReleaseStorageObject(gone);
    port.ReleaseStorageObject(root);
}

void WriteRaw(const std::string& file, const Bytes& bytes) {
    if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? std::string(argv[1]) + "\\" : std::string();
    const std::string oleFile = folder + "crosscheck_ole.dat";
    const std::string nativeFile = folder + "crosscheck_native.dat";
    const std::string scratch = folder + "crosscheck_scratch.dat";

    qvs::OleStorage ole;
    qvs::CompoundFileStorage native;
    const std::vector<Item> tree = KnownTree();

    // (a) the platform writes, both read; (b) we write, both read.
    Check(WriteTree(ole, oleFile, tree), "OleStorage writes the tree");
    Check(WriteTree(native, nativeFile, tree), "CompoundFileStorage writes the tree");
    VerifyTree(native, oleFile, tree, "ole->native");
    VerifyTree(ole, nativeFile, tree, "native->ole");
    VerifyTree(ole, oleFile, tree, "ole->ole");
    VerifyTree(native, nativeFile, tree, "native->native");
    Check(CountNative(oleFile) == tree.size(), "ole->native: no element more or less");
    Check(CountNative(nativeFile) == tree.size(), "native->native: no element more or less");

    // Changes made in place by one side, read by the other.
    if (StorageObject* root = native.OpenFile(oleFile.c_str())) {
        WriteDword(native, root, "AddedByNative", 77);
        WriteDword(native, root, "Threshold", 1234);
        Check(native.ReleaseStorageObject(root), "native writes back an opened platform file");
    }
    if (StorageObject* root = ole.OpenFile(nativeFile.c_str())) {
        WriteDword(ole, root, "AddedByOle", 88);
        if (StorageObject* channel = ole.OpenSubStorage(root, "1")) {
            WriteDword(ole, channel, "Verbose", 0);
            ole.ReleaseStorageObject(channel);
        }
        ole.ReleaseStorageObject(root);
    }
    if (StorageObject* root = ole.OpenFile(oleFile.c_str())) {
        Check(ReadDword(ole, root, "AddedByNative") == 77, "ole reads a key the native side added");
        Check(ReadDword(ole, root, "Threshold") == 1234, "ole reads a key the native side replaced");
        ole.ReleaseStorageObject(root);
    } else {
        Check(false, "ole reopens the file the native side rewrote");
    }
    if (StorageObject* root = native.OpenFile(nativeFile.c_str())) {
        Check(ReadDword(native, root, "AddedByOle") == 88, "native reads a key the platform added");
        StorageObject* channel = native.OpenSubStorage(root, "1");
        Check(channel && ReadDword(native, channel, "Verbose") == 0, "native reads a nested key the platform added");
        if (channel) native.ReleaseStorageObject(channel);
        native.ReleaseStorageObject(root);
    } else {
        Check(false, "native reopens the file the platform changed");
    }
    std::vector<Item> grown = tree;
    for (Item& item : grown) {
        if (item.path == std::vector<std::string>{"Threshold"}) item.bytes = Dword(1234);
    }
    VerifyTree(native, oleFile, grown, "ole+native->native");
    VerifyTree(ole, nativeFile, tree, "native+ole->ole");

    // The edges of the contract, same answers from both.
    CheckContract(ole, scratch, "ole");
    CheckContract(native, scratch, "native");

    // What is not a compound file opens on neither side.
    WriteRaw(scratch, {});
    Check(ole.OpenFile(scratch.c_str()) == nullptr, "ole: an empty file does not open");
    Check(native.OpenFile(scratch.c_str()) == nullptr, "native: an empty file does not open");
    WriteRaw(scratch, Bytes(4096, 'x'));
    Check(ole.OpenFile(scratch.c_str()) == nullptr, "ole: a text file does not open");
    Check(native.OpenFile(scratch.c_str()) == nullptr, "native: a text file does not open");
    Check(ole.OpenFile((folder + "no_such_file.dat").c_str()) == nullptr, "ole: a missing file does not open");
    Check(native.OpenFile((folder + "no_such_file.dat").c_str()) == nullptr, "native: a missing file does not open");

    std::remove(oleFile.c_str());
    std::remove(nativeFile.c_str());
    std::remove(scratch.c_str());
    return tally.Report();
}
