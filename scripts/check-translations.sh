#!/usr/bin/env bash
# Fails when a translation is not complete: German, French and Spanish must
# ship (resources/translations/leafcut_<code>.ts); no entry of any shipped
# file may be unfinished or empty or lose a placeholder ("%1", "%2") of its
# source text; and every text that lupdate finds in the sources today must
# be in each shipped file, translated (scripts/update-translations.sh adds
# new texts as unfinished). The built files are checked by the test
# gui_translations.
# Usage: scripts/check-translations.sh [source root]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

failures=0
for code in de fr es; do
    if [ ! -f "resources/translations/leafcut_$code.ts" ]; then
        echo "check-translations: no translation for $code"
        failures=$((failures + 1))
    fi
done

probe_dir=$(mktemp -d)
trap 'rm -rf "$probe_dir"' EXIT
probe=$probe_dir/probe.ts
if ! bash scripts/update-translations.sh --probe "$probe" >"$probe_dir/lupdate.log" 2>&1 || [ ! -s "$probe" ]; then
    cat "$probe_dir/lupdate.log"
    echo "check-translations: lupdate found no texts"
    exit 1
fi

# Reads the messages of Qt Linguist files as lupdate writes them (one
# element per line or inline, XML entities as lupdate escapes them) and
# prints one line per fault.
faults=$(perl -e '
use strict;
use warnings;

sub unescape {
    my ($text) = @_;
    $text =~ s/&lt;/</g; $text =~ s/&gt;/>/g; $text =~ s/&quot;/"/g; $text =~ s/&apos;/\x27/g;
    $text =~ s/&#x([0-9a-fA-F]+);/chr(hex($1))/ge; $text =~ s/&#(\d+);/chr($1)/ge; $text =~ s/&amp;/&/g;
    return $text;
}

# [context, source, comment, type, [translations]] of every message.
sub messages {
    my ($path) = @_;
    open(my $in, "<:encoding(UTF-8)", $path) or die "cannot open $path\n";
    local $/;
    my $xml = <$in>;
    my @found;
    while ($xml =~ m{<context>\s*<name>(.*?)</name>(.*?)</context>}gs) {
        my ($context, $body) = (unescape($1), $2);
        while ($body =~ m{<message([^>]*)>(.*?)</message>}gs) {
            my ($attributes, $message) = ($1, $2);
            my ($source) = $message =~ m{<source>(.*?)</source>}s;
            my ($comment) = $message =~ m{<comment>(.*?)</comment>}s;
            my ($type, $translation) = ("", "");
            if ($message =~ m{<translation(?:\s+type="([^"]*)")?\s*(?:/>|>(.*?)</translation>)}s) {
                ($type, $translation) = ($1 // "", $2 // "");
            }
            my @forms = $attributes =~ /numerus="yes"/
                ? map { unescape($_) } ($translation =~ m{<numerusform>(.*?)</numerusform>}gs)
                : (unescape($translation));
            push @found, [$context, unescape($source // ""), unescape($comment // ""), $type, \@forms];
        }
    }
    return @found;
}

sub placeholders {
    my ($text) = @_;
    my %seen = map { (my $p = $_) =~ s/L//; ($p => 1) } ($text =~ /%L?\d+/g);
    return join(",", sort keys %seen);
}

sub label { my ($m) = @_; return "$m->[0]: \"$m->[1]\"" . ($m->[2] eq "" ? "" : " ($m->[2])"); }
sub key { my ($m) = @_; return join("\x1f", @$m[0 .. 2]); }

my ($probe, @files) = @ARGV;
my @wanted = messages($probe);
print "lupdate found no translatable text\n" unless @wanted;
for my $file (@files) {
    my %shipped;
    for my $m (messages($file)) {
        $shipped{key($m)} = $m;
        next if $m->[3] eq "vanished" || $m->[3] eq "obsolete";
        if ($m->[3] eq "unfinished") { print "$file: unfinished ", label($m), "\n"; next; }
        my @forms = @{$m->[4]};
        if (!@forms || grep { /^\s*$/ } @forms) { print "$file: empty ", label($m), "\n"; next; }
        for my $form (@forms) {
            if (placeholders($form) ne placeholders($m->[1])) {
                print "$file: placeholders differ in ", label($m), "\n";
                last;
            }
        }
    }
    for my $m (@wanted) {
        my $have = $shipped{key($m)};
        print "$file: not translated ", label($m), "\n" if !$have || $have->[3] ne "";
    }
}
' "$probe" resources/translations/leafcut_*.ts)

if [ -n "$faults" ]; then
    echo "$faults"
    failures=$((failures + $(printf '%s\n' "$faults" | wc -l)))
fi
if [ "$failures" -gt 0 ]; then
    echo "check-translations: $failures fault(s); run scripts/update-translations.sh and translate" >&2
    exit 1
fi
echo "check-translations: every text is translated in $(ls resources/translations/leafcut_*.ts | wc -l) files"
