/* Runs two programs in turn, each RUNS times, from the current folder, and reports the
   median wall time of one run in milliseconds and the largest peak resident memory (KB).
   Usage: runmany RUNS PROGRAM_A PROGRAM_B   Prints: MEDIAN_A MEDIAN_B PEAK_A PEAK_B */
#define _GNU_SOURCE
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static double run(const char *program, long *peak)
{
    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, (char *)NULL);
        _exit(127);
    }
    int status = 0;
    struct rusage usage;
    wait4(pid, &status, 0, &usage);
    const double elapsed = now_ms() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fprintf(stderr, "runmany: %s failed\n", program);
        exit(1);
    }
    if (usage.ru_maxrss > *peak)
        *peak = usage.ru_maxrss;
    return elapsed;
}

static int compare(const void *a, const void *b)
{
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

static double median(double *v, int n)
{
    qsort(v, n, sizeof *v, compare);
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int main(int argc, char *argv[])
{
    if (argc != 4) {
        fprintf(stderr, "usage: runmany RUNS PROGRAM_A PROGRAM_B\n");
        return 2;
    }
    const int runs = atoi(argv[1]);
    double *a = calloc(runs, sizeof *a), *b = calloc(runs, sizeof *b);
    long peakA = 0, peakB = 0;
    for (int i = 0; i < runs; ++i) {
        /* Alternate the order so that neither profits from a warmer cache. */
        if (i % 2) {
            a[i] = run(argv[2], &peakA);
            b[i] = run(argv[3], &peakB);
        } else {
            b[i] = run(argv[3], &peakB);
            a[i] = run(argv[2], &peakA);
        }
    }
    printf("%.3f %.3f %ld %ld\n", median(a, runs), median(b, runs), peakA, peakB);
    free(a);
    free(b);
    return 0;
}
