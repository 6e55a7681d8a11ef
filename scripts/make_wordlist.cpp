// Placeholder; the converter is written with the Data folder.
#include <cstdio>
int main(int argc, char **argv) { if (argc < 3) return 2; FILE *f = std::fopen(argv[2], "wb"); if (!f) return 1; std::fclose(f); return 0; }
