// quendix-ini FILE SECTION KEY [VALUE]: prints a key of an INI file, or writes it, with the same
// rules the program follows (every other line, comment and section kept in place). For scripts
// that prepare an installation, such as mapping a port name to a device in section "Ports".

#include "CPrivateProfile.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: quendix-ini FILE SECTION KEY [VALUE]\n"
                     "Prints the key's value, or writes VALUE to it.\n";
        return 2;
    }
    CPrivateProfile profile(argv[1]);
    if (argc == 5) {
        if (profile.WriteProfileString(argv[2], argv[3], argv[4])) {
            return EXIT_SUCCESS;
        }
        std::cerr << "quendix-ini: cannot write " << argv[1] << "\n";
        return EXIT_FAILURE;
    }
    std::cout << profile.GetProfileString(argv[2], argv[3], "") << "\n";
    return EXIT_SUCCESS;
}
