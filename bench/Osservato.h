// What the two outside clocks of the cold start (primo_fotogramma and
// fotogramma_pixel) share: the program they time is their own child, started
// at the clock's zero and ended once its frame has been seen.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>

namespace osservato {

// Starts `comando` with the X connection `c` closed in the child and its
// stdout sent to stderr, so that the clock's one line is the only thing on
// stdout. -1 when it cannot fork.
inline pid_t avvia(xcb_connection_t* c, char** comando, const char* orologio) {
    const pid_t figlio = fork();
    if (figlio == 0) {
        close(xcb_get_file_descriptor(c));
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(comando[0], comando);
        std::fprintf(stderr, "%s: cannot start %s\n", orologio, comando[0]);
        _exit(127);
    }
    return figlio;
}

// Asks the program to end, then ends it after two seconds.
inline void termina(pid_t figlio) {
    kill(figlio, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(figlio, nullptr, WNOHANG) == figlio) return;
        usleep(10000);
    }
    kill(figlio, SIGKILL);
    waitpid(figlio, nullptr, 0);
}

}  // namespace osservato
