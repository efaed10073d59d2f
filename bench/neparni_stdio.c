/* The same job in C with stdio: the yardstick for the program's cost per run. */
#include <stdio.h>

int main(void)
{
    int broj[5] = {0};
    for (int i = 0; i < 5; ++i) {
        fputs("Unesi broj: ", stdout);
        fflush(stdout);
        if (scanf("%d", &broj[i]) != 1) {
            break;
        }
    }
    const char *separator = "";
    putchar('{');
    for (int i = 0; i < 5; ++i) {
        if (broj[i] % 2 != 0) {
            printf("%s%d", separator, broj[i]);
            separator = ", ";
        }
    }
    putchar('}');
    return fflush(stdout) == 0 ? 0 : 1;
}
