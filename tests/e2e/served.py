"""The files the live host's list serves, written into the Wine prefix at
C:\\qvs-e2e\\ (the folder the live fixture's list names)."""
import os
import random

# name -> size; the name with blanks and non-ASCII letters travels as UTF-8.
FILES = {
    "one.bin": 1,
    "empty.bin": 0,
    "big.bin": 50 * 1000 * 1000,
    "été 2.txt": 3000,
    "mid-a.bin": 6 * 1000 * 1000,
    "mid-b.bin": 6 * 1000 * 1000,
    "mid-c.bin": 6 * 1000 * 1000,
    "mid-d.bin": 6 * 1000 * 1000,
}
LOAD_FILES = 500  # "load-000.bin" ...: enough distinct names for 10,000 requests of 20 nicks
LOAD_SIZE = 2048


def load_name(i):
    return "load-%03d.bin" % i


def write(folder):
    os.makedirs(folder, exist_ok=True)
    random.seed(19)
    sizes = dict(FILES)
    sizes.update({load_name(i): LOAD_SIZE for i in range(LOAD_FILES)})
    for name, size in sizes.items():
        path = os.path.join(folder, name)
        if os.path.exists(path) and os.path.getsize(path) == size:
            continue
        with open(path, "wb") as out:
            left = size
            while left:
                piece = min(left, 1 << 20)
                out.write(random.randbytes(piece))
                left -= piece
    return sizes
