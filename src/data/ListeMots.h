// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>
#include <iterator>
#include <vector>

// A list of words held compactly: every word in one buffer, one Windows-1252 byte per
// character, without separators. The buffer is laid out in blocks by word length, each block
// at a fixed stride (its length), the words of one length in list order. A list grouped by
// ascending length (the 2-to-12-letter list) is its own block order and needs nothing more;
// any other list (the dictionary) keeps two tables of positions between list order and
// block order. Positions are 0-based, as in a string list; copies share the buffer.
class ListeMots {
public:
    ListeMots() = default;
    ListeMots(const QStringList& mots);  // NOLINT: a string list converts, for fixtures
    ListeMots(std::initializer_list<QString> mots);

    // The records of a resource's bytes, cut as splitRecords cuts them.
    static ListeMots depuisOctets(QByteArrayView octets);

    qsizetype size() const { return qsizetype(nombre_); }
    void clear() { *this = ListeMots(); }
    bool isEmpty() const { return nombre_ == 0; }

    // The word at position i; a position outside the list raises a RuntimeError (9).
    QString at(qsizetype i) const;
    QString operator[](qsizetype i) const { return at(i); }
    // Its bytes, without copy; no check of i.
    QByteArrayView octets(qsizetype i) const;

    // The position of the first word equal to `mot` (exact comparison), or -1. A sorted list
    // is searched by halves.
    qsizetype indexOf(QStringView mot) const;
    bool contains(QStringView mot) const { return indexOf(mot) >= 0; }

    // True when the words are in strictly ascending byte order.
    bool trie() const { return trie_; }
    // True when the list is grouped by ascending length: block k of a length is position
    // premier(length) + k.
    bool groupe() const { return indice_.empty(); }

    // The longest word length (0 for an empty list).
    int longueurMax() const { return int(premier_.size()) - 2; }
    // The words of one length: `nombre` words of `longueur` bytes from `debut`, in list order.
    struct Bloc {
        const char* debut = nullptr;
        qsizetype nombre = 0;
        int longueur = 0;
        qsizetype premier = 0;  // block order of the first
    };
    Bloc bloc(int longueur) const;
    // The list position of a word given by its block order.
    qsizetype position(qsizetype ordreBloc) const
    {
        return indice_.empty() ? ordreBloc : qsizetype(indice_[size_t(ordreBloc)]);
    }

    QStringList toStringList() const;
    friend bool operator==(const ListeMots& a, const QStringList& b);
    friend bool operator==(const ListeMots& a, const ListeMots& b);

    // The buffer: its address changes only when the list is filled again.
    const char* constData() const { return octets_.constData(); }
    // Bytes held by the list and its tables.
    qsizetype octetsOccupes() const;

    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = QString;
        using difference_type = qsizetype;
        using pointer = void;
        using reference = QString;
        const_iterator(const ListeMots* l, qsizetype i) : l_(l), i_(i) {}
        QString operator*() const { return l_->at(i_); }
        const_iterator& operator++()
        {
            ++i_;
            return *this;
        }
        const_iterator& operator--()
        {
            --i_;
            return *this;
        }
        const_iterator& operator+=(difference_type d)
        {
            i_ += d;
            return *this;
        }
        const_iterator operator+(difference_type d) const { return {l_, i_ + d}; }
        difference_type operator-(const const_iterator& o) const { return i_ - o.i_; }
        bool operator==(const const_iterator& o) const { return i_ == o.i_; }
        bool operator!=(const const_iterator& o) const { return i_ != o.i_; }

    private:
        const ListeMots* l_;
        qsizetype i_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }

private:
    struct Brut {
        const char* p;
        quint32 n;
    };
    void construit(const std::vector<Brut>& mots);
    qsizetype ordreBloc(qsizetype i) const { return position_.empty() ? i : qsizetype(position_[size_t(i)]); }
    int longueurOrdre(qsizetype ordre) const;
    const char* adresse(qsizetype ordre, int longueur) const
    {
        return octets_.constData() + debutOctet_[size_t(longueur)] +
               (ordre - qsizetype(premier_[size_t(longueur)])) * longueur;
    }

    QByteArray octets_;
    quint32 nombre_ = 0;
    std::vector<quint32> premier_;     // by length: block order of the first word; one more at the end
    std::vector<quint32> debutOctet_;  // by length: offset of the block in the buffer
    std::vector<quint32> position_;    // list position -> block order (empty when grouped)
    std::vector<quint32> indice_;      // block order -> list position (empty when grouped)
    bool trie_ = true;
};

// The text of a word's bytes.
QString texteMot(QByteArrayView octets);
