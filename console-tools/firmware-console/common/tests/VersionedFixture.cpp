// A program that only carries a version resource, for the version query tests.
int main() {
    return 0;
}
