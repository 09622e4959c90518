// quorvel-cli: placeholder entry until the commands land.
#include <cstdio>

int main() {
    std::fputs("usage: quorvel-cli format [--at WHEN] [--locale NAME|FILE] FORMAT\n", stderr);
    return 2;
}
