// Preloaded into the game by e2e/manettes.sh: when the game starts SDL's joysticks, a virtual
// controller is plugged in its process (a virtual screen has no input devices), and each line
// "BUTTON STATE" written to the file named by MANETTE_COMMANDES sets one of its buttons.
#define _GNU_SOURCE
#include <SDL.h>
#include <dlfcn.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>

static SDL_Joystick *manette;

static void *commandes(void *unused)
{
    (void)unused;
    const char *chemin = getenv("MANETTE_COMMANDES");
    for (;;) {
        FILE *f = chemin ? fopen(chemin, "r") : NULL; // a pipe: waits for a writer
        if (!f)
            return NULL;
        int bouton, etat;
        while (fscanf(f, "%d %d", &bouton, &etat) == 2)
            SDL_JoystickSetVirtualButton(manette, bouton - 1, (Uint8)etat);
        fclose(f);
    }
}

int SDL_InitSubSystem(Uint32 flags)
{
    int (*reel)(Uint32) = (int (*)(Uint32))dlsym(RTLD_NEXT, "SDL_InitSubSystem");
    const int r = reel(flags);
    if (r == 0 && (flags & SDL_INIT_JOYSTICK) && !manette) {
        reel(SDL_INIT_JOYSTICK); // held for good: the controller outlives the game screen
        SDL_VirtualJoystickDesc d = {0};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.nbuttons = 8;
        d.name = "Manette virtuelle";
        manette = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&d));
        pthread_t t;
        if (manette && pthread_create(&t, NULL, commandes, NULL) == 0)
            pthread_detach(t);
    }
    return r;
}
