#pragma once
// The statements that read the editors' records and the lists their boxes
// and grids choose from; the statements that write are built from the table
// descriptions (data/tables). Kept out of the windows, beside the contact
// list's statements (data/ContactQueries.h).
#include <QString>

namespace pellori::queries {

// The person editor's record: the person row with its object row, and the
// record version of each, as a save must find them; :p_id is the contact.
// The refresh reads the object row's additional text only.
inline QString personRead(const QString& objectColumns)
{
    return QStringLiteral("select person.*, ") + objectColumns
           + QStringLiteral(", person.rdb$record_version as p_version, object.rdb$record_version as o_version "
                            "from person, object where ((p_id = :p_id) and (object.o_id = person.p_id))");
}
inline QString personRecord() { return personRead(QStringLiteral("object.*")); }
inline QString personRefresh() { return personRead(QStringLiteral("object.o_additional")); }
// The person's names and additional text, saved beside the person row while
// the object row is as it was read (:o_version).
inline QString personNamesUpdate()
{
    return QStringLiteral("update object set o_additional = :o_additional, o_name1 = :o_name1, o_name2 = :o_name2 "
                          "where (o_id = :o_id) and rdb$record_version = :o_version");
}
// The person editor's choices: salutations, titles, the companies a person
// may work at, and the two flag values.
inline QString salutations() { return QStringLiteral("Select * from salutation order by s_name asc"); }
inline QString titles() { return QStringLiteral("select t_id, t_name from title order by t_name collate de_de asc"); }
// In German order, as every list of contacts (\u00C4 with A, not after Z).
inline QString employers() { return QStringLiteral("select * from p_company_combobox order by c_name collate de_de"); }
inline QString yesNo() { return QStringLiteral("select * from yesno order by yn_id desc"); }

// The company editor's record (:o_id) with its record version, and its employees (:c_id).
inline QString companyRecord()
{
    return QStringLiteral("select object.*, object.rdb$record_version as o_version from object, company where "
                          "((object.o_id = company.c_id) and (object.o_id = :o_id))");
}
inline QString companyPersons() { return QStringLiteral("select * from p_view_person(:c_id) order by o_name"); }

// The quick-add dialogs' records, which only ever insert.
inline QString newPerson() { return QStringLiteral("Select * from object"); }
inline QString newCompany() { return QStringLiteral("select * from object"); }

// The six lookup editors' lists, the types by their sort column, the others by name.
inline QString addressTypesBySort()
{
    return QStringLiteral("select at_id, at_name, at_sortid from addresstype order by at_sortid asc");
}
inline QString communicationTypesBySort()
{
    return QStringLiteral("Select ct_id, ct_name, ct_sortid from communicationtype order by ct_sortid asc");
}
inline QString internetTypesBySort() { return QStringLiteral("select * from internettype order by it_sort asc"); }
inline QString groupsByName() { return QStringLiteral("select * from groupt order by g_name asc"); }
inline QString salutationsByName() { return QStringLiteral("select * from salutation order by s_name asc"); }
inline QString titlesByName() { return QStringLiteral("select * from title order by t_name collate de_de asc"); }

} // namespace pellori::queries
