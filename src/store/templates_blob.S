/* The stock rules bodies, embedded byte for byte. */
    .section .rodata
    .global qm_ra2_body_begin
    .global qm_ra2_body_end
    .global qm_yr_body_begin
    .global qm_yr_body_end
    .balign 16
qm_ra2_body_begin:
    .incbin "ra2-rules-body.ini"
qm_ra2_body_end:
    .balign 16
qm_yr_body_begin:
    .incbin "yr-rulesmd-body.ini"
qm_yr_body_end:
    .section .note.GNU-stack,"",@progbits
