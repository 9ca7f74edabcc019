#include <fstream>
#include <string>
int main(int argc, char** argv) { std::ofstream(std::string(argv[argc - 1]) + "/library.rc") << "\n"; }
