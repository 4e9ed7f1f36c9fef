@ The patch.wnt that Kestrom ships: a stand-in that starts the game and does
@ nothing else. It has no way back to the flash cart's menu shell; the shell's
@ own patch.wnt, put in its place, gives the real exit.
@
@ Apply ExitHack appends these bytes to the image (at a multiple of 4, so they
@ run as ARM code) and points the entry branch at offset 0 to them, so this is
@ what the console runs first, in place of the game's own start at 0xC0.
@
@ Remove ExitHack finds a patch by its first 18 bytes, so those are fixed:
@ the four instructions below and the first half of a fifth, whose low 16
@ bits must be 0x0004. They overwrite r4, lr and r1 before any code of ours
@ can save them; everything else they leave alone, flags included.
@
@ What the console's start leaves for the game: its BIOS, on power-on and on
@ a soft reset alike, clears r0-r12, sets the stack pointers of the system,
@ IRQ and supervisor modes, and jumps from lr = 0x08000000 into the
@ cartridge in system mode with every flag clear. So the three registers the
@ signature overwrote held 0, 0 and 0x08000000, and are set back to exactly
@ that; r0, r2, r3, r5-r12, the stack pointers, the stack's memory and the
@ status register are never touched. The game then starts at 0xC0 with the
@ state the console would have given it. A loader that starts cartridges
@ with other values in r1, r4 or lr gets the console's values instead.
@
@ Assembled bytes are kept beside this file as assets/patch.wnt, so building
@ Kestrom needs no ARM assembler; the boot tests assemble this file and
@ compare the two.

        .syntax unified
        .arm
        .text

        .equ    GAME_START, 0x080000C0  @ the game's standard entry: the end of the header
        .equ    ENTRY_LR, 0x08000000    @ lr as the console's start leaves it

@ ---- The signature, offsets 0 to 17 ---------------------------------------
signature:
        sub     r4, pc, #8              @ 08 40 4F E2
        sub     r4, r4, #0x2000000      @ 02 44 44 E2
        add     lr, pc, #0x1C           @ 1C E0 8F E2
        ldr     r1, [pc, #0xA4]         @ A4 10 9F E5 (a read past this patch is harmless)
@ A branch four words on has the low half 0x0004 and changes nothing but pc:
@ no other register, no memory, no flag.
        b       start_game              @ 04 00 | 00 EA

@ Of the five words the branch skips, the first holds the game's entry address.
game_start:
        .word   GAME_START

@ ---- Restore what the signature overwrote, then start the game -----------
        .org    0x28
start_game:
        mov     r1, #0
        mov     r4, #0
        mov     lr, #ENTRY_LR
        ldr     pc, game_start          @ a jump that needs no register
