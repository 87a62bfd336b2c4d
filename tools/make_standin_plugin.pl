#!/usr/bin/perl
# Writes the stand-in plug-in module used when the maker supplies none: 870,400 reproducible
# bytes, an "MZ" header followed by a xorshift32 stream, so tests can compare writes exactly.
use strict;
use warnings;

my $out = shift or die "usage: $0 OUTPUT\n";
my $size = 870400;
my $state = 0x5645_4C4B;    # "VELK"
my $bytes = "MZ";
while (length($bytes) < $size) {
    $state ^= ($state << 13) & 0xFFFFFFFF;
    $state ^= $state >> 17;
    $state ^= ($state << 5) & 0xFFFFFFFF;
    $bytes .= pack("V", $state);
}
open(my $fh, '>:raw', $out) or die "cannot write $out: $!\n";
print $fh substr($bytes, 0, $size);
close($fh) or die "cannot write $out: $!\n";
