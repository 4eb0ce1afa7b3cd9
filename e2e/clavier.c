/* Gives the virtual screen's keyboard the French letters that the scripts type, each on a
   spare keycode: xdotool then presses them as it presses any key, instead of binding a keycode
   for the moment of one press, which a busy program may read after the binding is gone. */
#include <X11/Xlib.h>
#include <X11/keysym.h>

int main(void)
{
    Display *d = XOpenDisplay(NULL);
    if (!d)
        return 2;
    /* Each letter with its capital, as on a keyboard. */
    const KeySym lettres[][2] = {
        {XK_eacute, XK_Eacute},         {XK_egrave, XK_Egrave},
        {XK_ecircumflex, XK_Ecircumflex}, {XK_agrave, XK_Agrave},
        {XK_acircumflex, XK_Acircumflex}, {XK_ccedilla, XK_Ccedilla},
        {XK_idiaeresis, XK_Idiaeresis},   {XK_icircumflex, XK_Icircumflex},
        {XK_ocircumflex, XK_Ocircumflex}, {XK_ugrave, XK_Ugrave},
        {XK_ucircumflex, XK_Ucircumflex}, {XK_ediaeresis, XK_Ediaeresis},
    };
    const int nombre = sizeof lettres / sizeof lettres[0];
    int min, max, largeur;
    XDisplayKeycodes(d, &min, &max);
    KeySym *table = XGetKeyboardMapping(d, (KeyCode)min, max - min + 1, &largeur);
    int n = 0;
    for (int k = max; k >= min && n < nombre; --k) {
        int libre = 1;
        for (int i = 0; i < largeur; ++i)
            libre &= table[(k - min) * largeur + i] == NoSymbol;
        if (libre)
            XChangeKeyboardMapping(d, k, 2, (KeySym *)lettres[n++], 1);
    }
    XFree(table);
    XSync(d, False);
    XCloseDisplay(d);
    return n == nombre ? 0 : 1;
}
