// neparni: asks for five whole numbers and lists the odd ones in the order entered.
#include <cstdint>
#include <iostream>
#include <vector>

int main()
{
    // Zero is even, so a slot left unread, once the input has failed or ended, is never listed.
    std::int32_t broj[5] = {};
    for (std::int32_t& n : broj) {
        // cin is tied to cout: the prompt is flushed before the program waits.
        std::cout << "Unesi broj: ";
        std::cin >> n;
    }

    std::vector<std::int32_t> neparni;
    for (const std::int32_t n : broj) {
        // The remainder is -1 for negative odd numbers, so test against 0.
        if (n % 2 != 0) {
            neparni.push_back(n);
        }
    }

    std::cout << '{';
    const char* separator = "";
    for (const std::int32_t n : neparni) {
        std::cout << separator << n;
        separator = ", ";
    }
    std::cout << '}' << std::flush;

    // The listing is the program's only result: a run that lost it must not report success.
    if (!std::cout) {
        std::cerr << "Ispis nije uspio.\n";
        return 1;
    }
    return 0;
}
