// A stand-in for another program (the system-information tool): leaves a mark beside itself,
// the file named as it was started with ".started" added, and ends.
#include <fstream>
#include <string>

int main(int, char* argv[]) {
    std::ofstream(std::string(argv[0]) + ".started") << "started\n";
    return 0;
}
