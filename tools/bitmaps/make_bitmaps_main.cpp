#include <fstream>
#include <string>
int main(int argc, char** argv) { std::ofstream(std::string(argv[1]) + "/bitmaps.rc") << "\n"; }
