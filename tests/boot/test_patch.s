@ A stand-in for the shell-return patch, for the boot tests only: it records
@ that it ran and where it was entered, then starts the game at 0xC0, which
@ is what a patched image must still do. Read test_game.s first for a short
@ guide to the instructions.

        .include "results.inc"

        .syntax unified
        .arm
        .text

@ Removal finds a patch by its first 18 bytes, so ours begins with those same
@ bytes: four whole instructions and the first half of a fifth. They are
@ harmless here, and the first and fifth do useful work.
        sub     r4, pc, #8              @ r4 = address of this instruction (pc reads 8 ahead)
        sub     r4, r4, #0x2000000
        add     lr, pc, #0x1C           @ not used here
        ldr     r1, [pc, #0xA4]         @ not used here; a read past the end is harmless
        mov     r0, r4                  @ its bytes 04 00 end the signature

        add     r0, r0, #0x2000000      @ undo the second instruction: r0 = entry address
        ldr     r1, =RESULTS
        ldr     r2, =PATCH_MARKER
        str     r2, [r1, #PATCH_MARKER_AT]
        str     r0, [r1, #PATCH_ENTRY_AT]
        ldr     r0, =GAME_START
        bx      r0
        .ltorg
