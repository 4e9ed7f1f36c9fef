@ A stand-in for the shell-return patch, for the boot tests only: it records
@ that it ran and where it was entered, then starts the game at 0xC0 the way
@ the shipped patch (assets/exithack/patch.s, whose head explains the values
@ put back) does, registers and all. Read test_game.s first for a short guide
@ to the instructions.

        .include "results.inc"

        .syntax unified
        .arm
        .text

@ Removal finds a patch by its first 18 bytes, so ours begins with those same
@ bytes: four whole instructions and the first half of a fifth, a branch.
        sub     r4, pc, #8              @ r4 = address of this instruction (pc reads 8 ahead)
        sub     r4, r4, #0x2000000
        add     lr, pc, #0x1C
        ldr     r1, [pc, #0xA4]         @ a read past the end is harmless
        b       record                  @ its bytes 04 00 end the signature

        .org    0x28
record:
        push    {r0, r2}
        add     r0, r4, #0x2000000      @ undo the second instruction: r0 = entry address
        ldr     r1, =RESULTS
        ldr     r2, =PATCH_MARKER
        str     r2, [r1, #PATCH_MARKER_AT]
        str     r0, [r1, #PATCH_ENTRY_AT]
        pop     {r0, r2}
        mov     r1, #0
        mov     r4, #0
        mov     lr, #CARTRIDGE
        ldr     pc, =GAME_START
        .ltorg
