/* Preloaded into ruotario-cli by the tests: every fsync is noted in the file
   named by FINTO_FSYNC_REGISTRO, F for a file and D for a folder, and with
   FINTO_FSYNC_CARTELLE set those of folders fail with EIO, as a disk might. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>

int fsync(int fd) {
    struct stat info;
    const int cartella = fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    const char* registro = getenv("FINTO_FSYNC_REGISTRO");
    FILE* file = registro ? fopen(registro, "a") : NULL;
    if (file) {
        fputc(cartella ? 'D' : 'F', file);
        fclose(file);
    }
    if (cartella && getenv("FINTO_FSYNC_CARTELLE")) {
        errno = EIO;
        return -1;
    }
    int (*vera)(int) = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    return vera(fd);
}
