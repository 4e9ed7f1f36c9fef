@ A small cartridge image of our own for the boot tests: a valid 192-byte
@ header, a "game" at 0xC0 that proves it ran by writing a marker and a
@ checksum of its data into work RAM and shows on screen what it found, the
@ data, and optionally an intro and padding. CMake assembles one image per variant, choosing with --defsym:
@
@   FILL        the padding byte, 0x00 or 0xFF
@   IMAGE_SIZE  the file size after padding; 0 for no padding at all
@   TAIL        0 to 3 extra data bytes, so the used length takes every remainder mod 4
@   BULK        extra data words, to make a large image
@   INTRO       1 to append an intro that the entry branch points at
@
@ Reading ARM assembly, for those who never wrote any:
@   rN                  one of the 32-bit registers r0..r15 (r15 is pc)
@   ldr rN, =value      load a 32-bit constant (the assembler keeps it in a
@                       "literal pool" nearby, placed by .ltorg)
@   ldr/str rN, [rM, #k]  load/store the word at address rM + k
@   ldrb rN, [rM], #1   load the byte at rM, then add 1 to rM
@   strh                the same for a halfword (16 bits)
@   b label / bx rN     jump to label / to the address held in rN
@   1: ... b 1b         a local label and a jump back ("b"ackward) to it
@   tst, subs           set the flags (tst: from rN AND k; subs: subtract too)
@   movne / moveq / bne  run only when the last result was not zero / was zero
@   push/pop {rN, ...}  save registers on the stack / take them back

        .include "results.inc"

        .syntax unified
        .arm
        .text
        .global _start
_start:

@ ---- Header, offsets 0x00 to 0xBF ----------------------------------------

@ The entry branch: the console starts executing at offset 0.
        .if INTRO
        b       intro
        .else
        b       game
        .endif

@ 0x04-0x9F hold the console maker's logo, which only the BIOS checks at
@ power-on. The tests boot without a BIOS, and the logo is not ours to copy.
        .fill   0x9C, 1, 0

@ 0xA0-0xBC: every byte here enters the header complement at 0xBD, so they are
@ emitted through header_bytes, which keeps their sum in header_sum. ('K is
@ the character code of the letter K.)
        .set    header_sum, 0
        .macro  header_bytes values:vararg
        .irp    value, \values
        .byte   \value
        .set    header_sum, header_sum + \value
        .endr
        .endm

        header_bytes 'K,'E,'S,'T,'R,'O,'M,'B,'O,'O,'T,0  @ 0xA0 internal name, 12 bytes
        header_bytes 'K,'B,'T,'E        @ 0xAC game code; its last letter is the country
        header_bytes '0,'1              @ 0xB0 maker code
        header_bytes 0x96               @ 0xB2 fixed value the console requires
        header_bytes 0,0,0,0,0,0,0,0,0,0  @ 0xB3 unit, 0xB4 device, 0xB5-0xBB reserved, 0xBC version
        .byte   (-header_sum - 0x19) & 0xFF     @ 0xBD the complement the console checks
        .byte   0, 0                    @ 0xBE-0xBF reserved

@ ---- The game, at 0xC0 ----------------------------------------------------

@ mGBA takes a small image with a branch at 0xC0 for a program sent over the
@ link cable and runs it from work RAM instead; so the game starts with a
@ store, not a branch. What the console's start left in the registers goes
@ first below the stack, lowest register lowest: r0 at sp - 60, r14 at sp - 4,
@ then the status register at sp - 64. The screen shows all of it, so that
@ anything run before the game that leaves a register changed shows too.
game:
        stmdb   sp, {r0-r14}            @ "db": the 15 words just below sp; sp itself stays
        mrs     r0, cpsr                @ the status register: flags and mode
        str     r0, [sp, #-64]
        ldr     r1, =RESULTS
        ldr     r0, =GAME_MARKER
        str     r0, [r1, #GAME_MARKER_AT]

@ The checksum: for every byte of the data, rotate the sum left by one bit and
@ add the byte, so that a lost, changed or moved byte changes the result.
        ldr     r2, =data_start
        ldr     r3, =data_end
        mov     r0, #0
1:      ldrb    r4, [r2], #1
        add     r0, r4, r0, ror #31     @ "ror #31" rotates right by 31, i.e. left by 1
        cmp     r2, r3
        bne     1b
        str     r0, [r1, #CHECKSUM_AT]
        str     r0, [sp, #-68]          @ the first of the 17 words shown

@ The screen: the bitmap mode, 240 x 160 pixels of one halfword each, row
@ after row from 0x06000000. Each of the 17 words is a band of 8 lines, its
@ 32 bits from the lowest as blocks 6 pixels wide, light for 1, dark for 0,
@ with a pixel of gap between blocks and a line between bands.
        mov     r1, #0x04000000         @ the display control register
        ldr     r0, =0x0403             @ mode 3, the bitmap layer on
        strh    r0, [r1]
        sub     r2, sp, #68             @ the next word to show
        mov     r3, #0x06000000         @ the start of the next line
        ldr     r4, =0x7FFF             @ light (15-bit colours: 5 bits each of blue, green, red)
        ldr     r5, =0x2108             @ dark
        mov     r6, #17                 @ words left
2:      ldr     r7, [r2], #4
        mov     r8, #8                  @ lines left in this band
3:      mov     r9, r7                  @ the bits still to show, lowest first
        mov     r10, #32
        mov     r11, r3
4:      tst     r9, #1
        movne   r0, r4
        moveq   r0, r5
        .rept   6
        strh    r0, [r11], #2
        .endr
        add     r11, r11, #2            @ the gap
        lsr     r9, r9, #1
        subs    r10, r10, #1
        bne     4b
        add     r3, r3, #480            @ the next line: 240 pixels of 2 bytes
        subs    r8, r8, #1
        bne     3b
        add     r3, r3, #480            @ the gap between bands
        subs    r6, r6, #1
        bne     2b

idle:   b       idle                    @ done: spin here until the tests look
        .ltorg

@ A map for the tests, in the 12 bytes before the data: where the checksummed
@ data starts and ends and where the game idles, as file offsets.
        .equ    DATA_OFFSET, 0x200
        .org    DATA_OFFSET - 12
        .word   data_start - CARTRIDGE
        .word   data_end - CARTRIDGE
        .word   idle - CARTRIDGE

@ ---- The data the checksum covers ----------------------------------------

@ From here on the image lives in a section of its own: the assembler rounds
@ the size of a section that holds instructions up to a multiple of 4, and
@ the used length must be free to take every remainder. The linker places
@ this section right after the one above.
        .section .rodata
data_start:
        .ascii  "Kestrom boot test data. "
        .fill   48, 1, 0x00             @ runs of both fill bytes inside the data:
        .ascii  "middle"                @ trimming must leave them alone
        .fill   48, 1, 0xFF
        .fill   BULK, 4, 0x5A3C9617
        .balign 4, 0x5A
        .ascii  "END!"                  @ the used part never ends with a fill byte
        .rept   TAIL
        .byte   0xC3
        .endr
data_end:

@ ---- The intro, appended after the game's data ---------------------------

        .if INTRO
        .balign 4, FILL                 @ instructions must start on a multiple of 4
@ It leaves every register as it found it, so that the game shows the same
@ screen with or without it.
intro:
        push    {r0, r1}
        ldr     r1, =RESULTS
        ldr     r0, =INTRO_MARKER
        str     r0, [r1, #INTRO_MARKER_AT]
        pop     {r0, r1}
        ldr     pc, =GAME_START         @ on to the game, as intros do
        .ltorg
        .endif

@ ---- Padding up to the file size -----------------------------------------

        .if IMAGE_SIZE
        .fill   IMAGE_SIZE - DATA_OFFSET - (. - data_start), 1, FILL
        .endif
