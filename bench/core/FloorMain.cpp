// kuvanto-floor [--huge-pages] FILE: the floor program the calculator is timed against. It only
// reads the file whole and integrates area and moments of its "X,Y" lines in one pass (one
// figure, no encoding work, no tables), then prints the sums so that the work cannot be
// optimised away. Plain, it reads as the first floor did (the text grown chunk by chunk); with
// --huge-pages it reads into one buffer sized from the file with the huge-page advice the
// program's own reader gives, the floor on equal terms of memory.
#include <cstdio>
#include <cstring>
#include <string>

#include "Floor.h"
#include "core/base/LargeBuffers.h"

int main(int argc, char* argv[]) {
    const bool hugePages = argc == 3 && std::strcmp(argv[1], "--huge-pages") == 0;
    if (argc != 2 && !hugePages) {
        std::fprintf(stderr, "Usage: kuvanto-floor [--huge-pages] FILE\n");
        return 2;
    }
    const char* path = argv[argc - 1];
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        std::perror(path);
        return 2;
    }
    std::string text;
    if (hugePages && std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size > 0) text.reserve(static_cast<std::size_t>(size));
        std::rewind(file);
        kuvanto::preferHugePages(text.data(), text.capacity());
    }
    char buffer[1 << 16];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, got);
    std::fclose(file);

    const kuvanto::bench::FloorSums s = kuvanto::bench::floorFromText(text);
    std::printf("vertices\t%ld\nA\t%.10g\nSx\t%.10g\nSy\t%.10g\nIxx\t%.10g\nIyy\t%.10g\n",
                s.vertices, s.area, s.sx, s.sy, s.ixx, s.iyy);
    return 0;
}
