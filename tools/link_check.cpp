// Linked with one layer of the model in whole and the layers below it: the
// link fails when the layer calls into a layer above it.
int main() {
    return 0;
}
